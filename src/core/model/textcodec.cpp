// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/textcodec.h"

#include "os/desktop/places.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace brevora {

QString decodeStoredText(const QByteArray &bytes)
{
    if (textFilesUseLegacyCodePage()) {
        QStringDecoder decoder(QStringConverter::System);
        return decoder(bytes);
    }
    // Each field is decoded alone, so a text that begins with U+FEFF keeps it instead of losing it as a mark.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    // Qt reaches Windows-1252 through ICU where it is built with it; Latin-1 differs from it only in 0x80-0x9f.
    QStringDecoder ansi("windows-1252");
    if (ansi.isValid())
        return ansi(bytes);
    return QString::fromLatin1(bytes);
}

QByteArray encodeStoredText(const QString &text)
{
    QStringEncoder encoder(QStringConverter::System);
    return encoder(text);
}

} // namespace brevora
