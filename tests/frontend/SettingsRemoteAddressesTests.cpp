// The list of remote addresses kept in "KVT-80 Remote.conf".
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "RemoteAddresses.h"

namespace kvt::frontend {
namespace {

class RemoteAddressList : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    void WriteFile(const QByteArray& text) {
        QDir().mkpath(folder);
        QFile file(store.FilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir root;
    const QString folder = root.filePath("Rodmere");
    RemoteAddressStore store{folder};
};

TEST_F(RemoteAddressList, EmptyUntilTheFirstAddressCreatesTheFile) {
    EXPECT_EQ(store.FilePath(), folder + "/KVT-80 Remote.conf");
    EXPECT_TRUE(store.List().isEmpty());
    EXPECT_FALSE(QFile::exists(store.FilePath()));
    ASSERT_TRUE(store.Insert("10.0.0.1"));
    EXPECT_TRUE(QFile::exists(store.FilePath()));
}

TEST_F(RemoteAddressList, KeepsInsertionOrderAcrossInstances) {
    for (const char* address : {"unit.example.com", "10.0.0.9", "192.168.1.5:4001", "a"}) {
        ASSERT_TRUE(store.Insert(address)) << address;
    }
    const QStringList expected{"unit.example.com", "10.0.0.9", "192.168.1.5:4001", "a"};
    EXPECT_EQ(store.List(), expected);
    EXPECT_EQ(RemoteAddressStore(folder).List(), expected);
}

TEST_F(RemoteAddressList, AnAddressIsListedOnceWhateverItsCase) {
    ASSERT_TRUE(store.Insert("Unit.Example.com"));
    EXPECT_FALSE(store.Insert("unit.example.COM"));
    EXPECT_TRUE(store.Contains("UNIT.EXAMPLE.COM"));
    EXPECT_EQ(store.List(), QStringList{"Unit.Example.com"});
}

TEST_F(RemoteAddressList, TakesAddressesOfUpTo64CharactersOnOneLine) {
    const QString longest(64, 'h');
    EXPECT_TRUE(store.Insert(longest));
    for (const QString& refused : {QString(), QString(65, 'h'), QString("10.0.0.1\n10.0.0.2"),
                                   QString("tab\there"), QString("# not an address")}) {
        EXPECT_FALSE(store.Insert(refused)) << refused.toStdString();
    }
    EXPECT_TRUE(store.Insert(" spaced host "));
    EXPECT_EQ(store.List(), QStringList({longest, " spaced host "}));
}

TEST_F(RemoteAddressList, RemoveDeletesOnlyThatAddress) {
    for (const char* address : {"a", "b", "c"}) {
        ASSERT_TRUE(store.Insert(address));
    }
    EXPECT_TRUE(store.Remove("B"));
    EXPECT_FALSE(store.Remove("b"));
    EXPECT_FALSE(store.Remove("missing"));
    EXPECT_EQ(RemoteAddressStore(folder).List(), QStringList({"a", "c"}));
}

TEST_F(RemoteAddressList, ReplaceTakesTheNewAddressToTheEnd) {
    for (const char* address : {"a", "b", "c"}) {
        ASSERT_TRUE(store.Insert(address));
    }
    EXPECT_TRUE(store.Replace("a", "d"));
    EXPECT_EQ(store.List(), QStringList({"b", "c", "d"}));
    // Onto an address already listed: the old one goes, the listed one stays once.
    EXPECT_TRUE(store.Replace("b", "C"));
    EXPECT_EQ(store.List(), QStringList({"c", "d"}));
}

TEST_F(RemoteAddressList, ReplaceWithAnAddressThatCannotBeStoredKeepsTheOldOne) {
    ASSERT_TRUE(store.Insert("a"));
    EXPECT_FALSE(store.Replace("a", ""));
    EXPECT_FALSE(store.Replace("a", QString(65, 'x')));
    EXPECT_EQ(store.List(), QStringList{"a"});
}

TEST_F(RemoteAddressList, HandEditedFilesAreReadAsFarAsTheyMakeSense) {
    WriteFile("# KVT-80 remote addresses\r\n10.0.0.1\r\n\r\n10.0.0.1\r\n" + QByteArray(70, 'x') +
              "\nunit.local");
    EXPECT_EQ(store.List(), QStringList({"10.0.0.1", "unit.local"}));
    ASSERT_TRUE(store.Insert("10.0.0.2"));
    EXPECT_EQ(store.List(), QStringList({"10.0.0.1", "unit.local", "10.0.0.2"}));
}

TEST_F(RemoteAddressList, ChangesNeverReplaceAFileThatCannotBeRead) {
    // Far bigger than any list of addresses: not read, so not rewritten without them.
    QByteArray big;
    for (int i = 0; big.size() < 300 * 1024; ++i) {
        big += "host" + QByteArray::number(i) + ".example.com\n";
    }
    WriteFile(big);
    EXPECT_FALSE(store.Insert("b"));
    EXPECT_FALSE(store.Replace("host1.example.com", "b"));
    EXPECT_FALSE(store.Remove("host1.example.com"));
    QFile file(store.FilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), big);
}

TEST_F(RemoteAddressList, AFailedWriteAddsNothing) {
    // A folder where the file should be: nothing can be stored, nothing is listed.
    QDir().mkpath(store.FilePath());
    EXPECT_FALSE(store.Insert("a"));
    EXPECT_TRUE(store.List().isEmpty());
}

}  // namespace
}  // namespace kvt::frontend
