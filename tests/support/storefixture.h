// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmfile.h"
#include "core/store/storelayout.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace brevora::test {

// A fresh ProgramDir with the whole folder tree.
struct StoreFixture
{
    QTemporaryDir dir;
    StoreLayout layout;

    StoreFixture()
        : layout(dir.path())
    {
        QVERIFY(dir.isValid());
        QVERIFY(layout.createMissingFolders().isEmpty());
    }
};

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace brevora::test
