// The state file on disk is replaced as a whole, and a failed replacement leaves nothing
// behind.
#include <gtest/gtest.h>

#include <QCborMap>
#include <QDir>
#include <QTemporaryDir>

#include "KeyedArchiveFile.h"

namespace {

QByteArray archive(int value) { return QCborMap({{"Value", value}}).toCborValue().toCbor(); }

std::optional<QCborMap> read(const KeyedArchiveFile& file) {
    QCborMap map;
    const bool read = file.read([&](const QString& key, QCborStreamReader& reader) {
        const std::optional<QCborValue> value = readCborValue(reader);
        if (value) map.insert(key, *value);
        return value.has_value();
    });
    return read ? std::optional(map) : std::nullopt;
}

}  // namespace

TEST(KeyedArchiveFile, AWriteReplacesTheFileAndLeavesNoTemporary) {
    QTemporaryDir directory;
    const KeyedArchiveFile file(directory.filePath("Library/Preferences/currentState"));
    ASSERT_TRUE(file.write(archive(1)));
    ASSERT_TRUE(file.write(archive(2)));
    EXPECT_EQ(read(file), QCborMap({{"Value", 2}}));
    EXPECT_EQ(QDir(directory.filePath("Library/Preferences")).entryList(QDir::Files),
              QStringList{"currentState"});
}

TEST(KeyedArchiveFile, AFailedWriteLeavesEverythingAsItWas) {
    QTemporaryDir directory;
    // A directory in the file's place cannot be replaced by a file.
    ASSERT_TRUE(QDir(directory.path()).mkpath("currentState/inside"));
    const KeyedArchiveFile file(directory.filePath("currentState"));
    EXPECT_FALSE(file.write(archive(1)));
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"currentState"});
    EXPECT_TRUE(QDir(directory.filePath("currentState")).exists("inside"));
}
