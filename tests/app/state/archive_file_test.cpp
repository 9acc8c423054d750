// The state file on disk is replaced as a whole, a failed replacement leaves nothing behind and
// says why, and only a regular file of bounded size is read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCborMap>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "KeyedArchiveFile.h"

namespace {

constexpr qint64 limit = 1024;

QByteArray archive(int value) { return QCborMap({{"Value", value}}).toCborValue().toCbor(); }

std::optional<QCborMap> read(const KeyedArchiveFile& file) {
    QCborMap map;
    const auto read = file.read([&](const QString& key, QCborStreamReader& reader) {
        const std::optional<QCborValue> value = readCborValue(reader);
        if (value) map.insert(key, *value);
        return value.has_value();
    });
    return read.outcome == FileContents::Outcome::read ? std::optional(map) : std::nullopt;
}

}  // namespace

TEST(KeyedArchiveFile, AWriteReplacesTheFileAndLeavesNoTemporary) {
    QTemporaryDir directory;
    const KeyedArchiveFile file(directory.filePath("Library/Preferences/currentState"), limit);
    ASSERT_FALSE(file.write(archive(1)));
    ASSERT_FALSE(file.write(archive(2)));
    EXPECT_EQ(read(file), QCborMap({{"Value", 2}}));
    EXPECT_EQ(QDir(directory.filePath("Library/Preferences")).entryList(QDir::Files),
              QStringList{"currentState"});
}

TEST(KeyedArchiveFile, AFailedWriteLeavesEverythingAsItWasAndSaysWhy) {
    QTemporaryDir directory;
    // A directory in the file's place cannot be replaced by a file.
    ASSERT_TRUE(QDir(directory.path()).mkpath("currentState/inside"));
    const KeyedArchiveFile file(directory.filePath("currentState"), limit);
    EXPECT_EQ(file.write(archive(1)), "Is a directory");
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"currentState"});
    EXPECT_TRUE(QDir(directory.filePath("currentState")).exists("inside"));
}

// Devices, FIFOs and directories would never end, block or hold nothing; they are refused at
// once, like a file over the limit, and a link is judged by what it points at.
TEST(KeyedArchiveFile, OnlyARegularFileOfBoundedSizeIsRead) {
    QTemporaryDir directory;
    const QString path = directory.filePath("currentState");
    const auto outcome = [&] {
        const auto result = KeyedArchiveFile(path, limit).read([](auto&, auto&) { return true; });
        return result.error.isEmpty() && result.outcome == FileContents::Outcome::missing
                   ? QStringLiteral("missing")
                   : result.error;
    };
    EXPECT_EQ(outcome(), "missing");
    ASSERT_TRUE(QFile::link("/dev/zero", path));
    EXPECT_EQ(outcome(), "not a regular file");
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EQ(outcome(), "not a regular file");
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir(directory.path()).mkdir("currentState"));
    EXPECT_EQ(outcome(), "not a regular file");
    ASSERT_TRUE(QDir(directory.path()).rmdir("currentState"));
    QFile large(path);
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    large.write(QByteArray(limit + 1, '\0'));
    large.close();
    EXPECT_EQ(outcome(), "larger than 0 MB");
}
