#include "core/text/FileErrorText.h"
#include "core/text/TextCodec.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A file that cannot be written is reported in Japanese, with a hint the
// clerk can act on, never with the system's English.
TEST(FileErrorText, AFailedWriteIsSaidInJapanese)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(WriteFileAtomically(dir.filePath(QStringLiteral("missing/folder/file.txt")), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(error.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}")))) << error.toStdString();
    for (int e = QFileDevice::ReadError; e <= QFileDevice::CopyError; ++e)
        EXPECT_FALSE(FileErrorInJapanese(QFileDevice::FileError(e)).isEmpty()) << e;
    EXPECT_TRUE(FileErrorInJapanese(QFileDevice::NoError).isEmpty());
}
