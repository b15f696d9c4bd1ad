// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace brevora {

namespace {

bool install(const QLocale &locale, const QString &name, const QString &folder, QObject *owner)
{
    auto *translator = new QTranslator(owner);
    if (translator->load(locale, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool installTranslations(const QLocale &locale, QObject *owner)
{
    install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), owner);
    return install(locale, QStringLiteral("brevora"), QString::fromLatin1(translationsResource), owner);
}

} // namespace brevora
