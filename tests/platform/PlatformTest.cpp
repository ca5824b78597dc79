#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <clocale>
#include <cstring>
#include <unistd.h>
#include <set>
#include <tuple>
#include <utility>

#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/Numbers.h"
#include "platform/Random.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempDir.h"

using namespace platform;

TEST(Cp1252, EveryByteRoundTripsAndFinnishLettersMapToTheirBytes) {
  for (int b = 0; b < 256; ++b) {
    const QChar ch = Cp1252ToUnicode(static_cast<unsigned char>(b));
    EXPECT_EQ(UnicodeToCp1252(ch), b) << "byte " << b;
  }
  EXPECT_EQ(EncodeCp1252(QString::fromUtf8("Mäntyä Öö Åå €")),
            QByteArray("M\xe4nty\xe4 \xd6\xf6 \xc5\xe5 \x80"));
  EXPECT_EQ(DecodeCp1252(QByteArray("\x80\x96\x9a")), QString::fromUtf8("€–š"));
  // A character outside the code page cannot be stored: it becomes '?'.
  EXPECT_EQ(EncodeCp1252(QString::fromUtf8("a\u4e2db")), QByteArray("a?b"));
}

TEST(Numbers, RoundHalfAwayFromZeroBothSignsAndGuards) {
  const std::pair<double, int> rounded[] = {
      {0.5, 1},  {1.5, 2},  {2.5, 3}, {-0.5, -1}, {-2.5, -3}, {2.4999, 2}, {-2.4999, -2}, {12.5f, 13}, {std::nan(""), 0},
      {1e300, std::numeric_limits<int>::max()}, {-1e300, std::numeric_limits<int>::min()}};
  for (auto [x, n] : rounded) EXPECT_EQ(RoundHalfAway(x), n) << x;
  for (auto [x, n] : {std::pair{2.9, 2}, {-2.9, -2}, {std::nan(""), 0}}) EXPECT_EQ(TruncToInt(x), n) << x;
}

TEST(Numbers, RoundedQuotientIsExactAtHalves) {
  // Halves computed on whole numbers: a binary 0.01 would make 10 % of 5
  // 0.49999... and round it to 0.
  const std::tuple<long long, long long, int> cases[] = {
      {50, 100, 1}, {150, 100, 2}, {149, 100, 1}, {-50, 100, -1}, {-150, 100, -2}, {50, -100, -1},
      {-5, -2, 3},  {7, 2, 4},     {0, 7, 0},     {1, 0, 0},      {30030, 100, 300},
      {-9007199254740993LL, 1, std::numeric_limits<int>::min()}};
  for (auto [num, den, want] : cases) EXPECT_EQ(RoundedQuotient(num, den), want) << num << "/" << den;
  // percent of amount: 10 % of 5 and of 15, 30 % of 1001, 1 % of 50.
  for (auto [p, a, want] : {std::tuple{10, 5, 1}, {10, 15, 2}, {30, 1001, 300}, {1, 50, 1}, {10, -5, -1}, {0, 99, 0}})
    EXPECT_EQ(RoundedPercentOf(p, a), want) << p << " % of " << a;
}

TEST(Numbers, FormattingIgnoresAFinnishLocale) {
  const char* set = std::setlocale(LC_ALL, "fi_FI.UTF-8");
  if (!set) set = std::setlocale(LC_ALL, "de_DE.UTF-8");
  if (!set) GTEST_SKIP() << "no locale with a decimal comma is installed";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%1.1f", 1.3);
  ASSERT_STREQ(buf, "1,3") << "the locale under test should write a decimal comma";
  EXPECT_EQ(FormatC("%1.1f", 1.3), "1.3");
  EXPECT_EQ(FormatC("%6.2f|%d|%s", 12.345, 42, "x"), " 12.35|42|x");
  EXPECT_EQ(FormatFixed(0.05, 1), "0.1");
  std::setlocale(LC_ALL, "C");
}

TEST(Numbers, FormatTextsCountsCharactersNotBytes) {
  const QStringList args = {QString::fromUtf8("leppäkuitu"), QString::fromUtf8("12.50 €/m3"), "14 m3"};
  EXPECT_EQ(FormatTexts("  %s %14s %7s|", args), QString::fromUtf8("  leppäkuitu     12.50 €/m3   14 m3|"));
  EXPECT_EQ(FormatTexts("%-6s|%3s|%s %%", {QString::fromUtf8("ä"), "toolong", QString()}),
            QString::fromUtf8("ä     |toolong| %"));
  EXPECT_EQ(FormatTexts("%5s", {}), "     ");
  // A long formatted text is not cut.
  EXPECT_EQ(FormatC("%400d", 7), QString(399, ' ') + "7");
}

TEST(Random, SameSeedSameStreamAndRangeHolds) {
  // The same stream again after the same seed; every value of 0..4 drawn and
  // no other; nothing to draw from gives 0.
  const auto stream = [](int seed) {
    SeedRandom(seed);
    std::vector<int> v;
    for (int i = 0; i < 50; ++i) v.push_back(Random(1000));
    return v;
  };
  EXPECT_EQ(stream(7), stream(7));
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) seen.insert(Random(5));
  EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(std::pair(Random(0), Random(-3)), std::pair(0, 0));
  ForceSeed(99);
  SeedRandomFromClock();
  const int first = Random(1 << 30);
  SeedRandomFromClock();
  EXPECT_EQ(Random(1 << 30), first);
  ClearForcedSeed();
}

TEST(Files, PathsSplitAtTheLastSlash) {
  const QString path = "/home/a/Metsätilat/Tila/k12.Norvalen";
  EXPECT_EQ(
      QStringList({FileNameOfPath(path), FolderOfPath(path), FileNameOfPath("plain"), FolderOfPath("plain")}),
      QStringList({"k12.Norvalen", "/home/a/Metsätilat/Tila", "plain", ""}));
  for (auto [a, b, joined] : {std::tuple{"/a/", "/b", "/a/b"}, {"/a", "b", "/a/b"}, {"", "b", "b"}}) {
    EXPECT_EQ(JoinPath(a, b), joined) << a << " + " << b;
  }
}

TEST(Files, CopyAndDeleteReportFailure) {
  testsupport::TempDir dir;
  const QString a = dir.file("a.bin"), b = dir.file("b.bin");
  testsupport::WriteAll(a, "abc");
  EXPECT_TRUE(CopyFile(a, b, true));
  EXPECT_FALSE(CopyFile(a, b, true)) << "an existing target is kept";
  EXPECT_TRUE(CopyFile(a, b, false));
  EXPECT_FALSE(CopyFile(dir.file("missing"), dir.file("c"), false));
  EXPECT_TRUE(DeleteFile(b));
  EXPECT_FALSE(FileExists(b));
  EXPECT_FALSE(DeleteFile(b)) << "nothing to delete is a failure";
}

TEST(Files, FailuresAreToldInFinnish) {
  // The user reads the reason in a Finnish message: the system's error
  // number decides, a folder at the path is told as such, and only an
  // unknown number shows the system's own text, inside a Finnish line.
  testsupport::TempDir dir;
  // Error number, path, reason.
  const std::tuple<int, QString, const char*> cases[] = {
      {ENOSPC, "", "levyllä ei ole tilaa"},           {EDQUOT, "", "levytilan kiintiö on täynnä"},
      {EFBIG, "", "tiedosto on liian suuri tiedostojärjestelmälle"}, {EROFS, "", "levy on kirjoitussuojattu"},
      {EACCES, "", "ei käyttöoikeutta"},              {EPERM, "", "ei käyttöoikeutta"},
      {ENOENT, "", "tiedostoa tai kansiota ei ole"},  {EIO, "", "levyn luku- tai kirjoitusvirhe"},
      {EISDIR, "", "tiedoston nimellä on kansio"},    {0, dir.path(), "tiedoston nimellä on kansio"},
      {ENOSPC, dir.file("missing.bin"), "levyllä ei ole tilaa"},
      {0, "", "järjestelmän virhe (Unknown error)"},  {EPROTO, "", "järjestelmän virhe (Unknown error)"}};
  for (const auto& [number, path, reason] : cases) {
    EXPECT_EQ(FileErrorReason(number, path, "Unknown error"), QString::fromUtf8(reason)) << number;
  }
}

TEST(Files, AtomicWriteReplacesWholeOrLeavesTheOldFileAndSaysWhy) {
  // A file system that takes 4000 bytes of a file: 100 bytes (fewer than
  // the old file's) and 4000 replace it whole, 4001 and more fail with the
  // system's reason, and the old file stays byte for byte (the cut temporary
  // file is removed).
  testsupport::TempDir dir;
  const QString path = dir.file("a.bin");
  const QByteArray old(3000, 'o');
  for (auto [size, written] :
       {std::pair{100, true}, {4000, true}, {4001, false}, {20000, false}, {100000, false}}) {
    SCOPED_TRACE(size);
    ASSERT_TRUE(WriteFileAtomically(path, old));
    const QByteArray bytes(size, 'n');
    QString why;
    bool ok;
    {
      testsupport::FileSizeLimit limit(4000);
      ok = WriteFileAtomically(path, bytes, &why);
    }
    EXPECT_EQ(ok, written);
    const QByteArray now = testsupport::ReadAll(path);
    EXPECT_TRUE(now == (written ? bytes : old)) << "the file holds " << now.size() << " bytes";
    EXPECT_EQ(why, written ? QString() : QString::fromUtf8("tiedosto on liian suuri tiedostojärjestelmälle"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.bin"});
  }
  // No folder for the file, or a folder in the file's place.
  QString why;
  EXPECT_FALSE(WriteFileAtomically(dir.file("missing/b.bin"), "x", &why));
  EXPECT_EQ(why, QString::fromUtf8("tiedostoa tai kansiota ei ole"));
  ASSERT_TRUE(QDir(dir.path()).mkdir("c.bin"));
  EXPECT_FALSE(WriteFileAtomically(dir.file("c.bin"), "x", &why));
  EXPECT_EQ(why, QString::fromUtf8("tiedoston nimellä on kansio"));
}

TEST(Files, OpenForReadingTellsMissingFromUnreadable) {
  testsupport::TempDir dir;
  QFile file(dir.file("a.bin"));
  ASSERT_TRUE(WriteFileAtomically(dir.file("a.bin"), "abcdef"));
  EXPECT_EQ(OpenForReading(file), ReadOpen::Opened);
  EXPECT_EQ(file.readAll(), QByteArray("abcdef"));
  // The start of a file: never more than asked for; with wholeOnly nothing
  // of a longer file, whose length is told.
  for (bool wholeOnly : {false, true}) {
    const FileStart start = ReadFileStart(dir.file("a.bin"), 4, wholeOnly);
    EXPECT_EQ(std::tuple(start.state, start.size, start.bytes),
              std::tuple(ReadOpen::Opened, 6, wholeOnly ? QByteArray() : QByteArray("abcd")));
  }

  QFile missing(dir.file("missing.bin"));
  QString why = "untouched";
  EXPECT_EQ(OpenForReading(missing, &why), ReadOpen::Missing);
  EXPECT_EQ(why, "untouched");

  // A link to nothing, where permissions apply (not as root) a file without
  // read permission, and what is not a regular file exist but do not open,
  // at once; nothing replaces them.
  // Name, reason, whether not a regular file.
  std::vector<std::tuple<QString, QString, bool>> unreadable = {
      {"link.bin", QString::fromUtf8("tiedostoa tai kansiota ei ole"), false}};
  ASSERT_TRUE(QFile::link(dir.file("nowhere"), dir.file("link.bin")));
  if (geteuid() != 0) {
    ASSERT_TRUE(WriteFileAtomically(dir.file("locked.bin"), "abc"));
    ASSERT_TRUE(QFile::setPermissions(dir.file("locked.bin"), QFileDevice::WriteOwner));
    unreadable.push_back({"locked.bin", QString::fromUtf8("ei käyttöoikeutta"), false});
  }
  for (const testsupport::NotAFile& k : testsupport::kNotAFiles) {
    unreadable.push_back({k.what, QString::fromUtf8(k.reason), true});
    ASSERT_TRUE(k.make(dir.file(k.what))) << k.what;
  }
  const std::string before = testsupport::FolderState(dir.path());
  for (const auto& [name, reason, notAFile] : unreadable) {
    SCOPED_TRACE(name.toStdString());
    testsupport::Deadline deadline("reading what is not a file");
    QFile f(dir.file(name));
    why.clear();
    EXPECT_EQ(OpenForReading(f, &why), ReadOpen::Unreadable);
    EXPECT_EQ(why, reason);
    EXPECT_EQ(ReadFileStart(dir.file(name), 100).state, ReadOpen::Unreadable);
    if (!notAFile) continue;  // a file is written as usual
    why.clear();
    EXPECT_FALSE(WriteFileAtomically(dir.file(name), "x", &why));
    EXPECT_EQ(why, reason);
  }
  EXPECT_EQ(testsupport::FolderState(dir.path()), before);
}

// The name being written changes at each point another process could
// change it: after the check, after the new contents are written, between
// the last look and the replacement. What it then holds is replaced only
// when it is a regular file: a pipe, a link to one or a folder keeps its
// place and its kind, the write fails with the reason and leaves no
// temporary file. A write through a link leaves the link and gives its file
// the bytes with the file's own permissions.
TEST(Files, AtomicWriteReplacesNothingButARegularFileWhateverTheNameBecomesMeanwhile) {
  using namespace testsupport;
  // What was made beside the name put in its place in one rename, as
  // another program would.
  static const auto over = [](const QString& n, bool made) {
    return made && ::rename(QFile::encodeName(n + ".uusi").constData(), QFile::encodeName(n).constData()) == 0;
  };
  static const auto pipeOver = [](const QString& n) { return over(n, MakePipe(n + ".uusi")); };
  static const char* const pipe = "tiedoston nimellä on putki tai laite";
  const struct {
    const char* what;
    bool throughLink;                   // the write goes through a link to the file
    bool (*swap)(const QString& name);  // a pipe "putki" stands beside the name
    const char* reason;                 // empty: the write goes through
  } swaps[] = {
      {"a link to a pipe", false,
       [](const QString& n) { return over(n, QFile::link(FolderOfPath(n) + "/putki", n + ".uusi")); }, pipe},
      {"a pipe", false, pipeOver, pipe},
      {"a pipe behind the link", true, pipeOver, pipe},
      {"a folder", false, [](const QString& n) { return QFile::remove(n) && QDir().mkdir(n); }, "tiedoston nimellä on kansio"},
      {"another file", false, [](const QString& n) { WriteAll(n + ".uusi", "toinen"); return over(n, true); }, ""},
      {"nothing", false, [](const QString& n) { return QFile::remove(n); }, ""},
      {"the same file behind the link", true, [](const QString&) { return true; }, ""},
  };
  const auto own = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser;
  for (const auto& swap : swaps) {
    for (WriteStage stage : {WriteStage::Checked, WriteStage::Written, WriteStage::Replacing}) {
      SCOPED_TRACE(testing::Message() << "the name becomes " << swap.what << " at stage " << int(stage));
      TempDir dir;
      const QString file = dir.file("a.bin"), link = dir.file("linkki.bin");
      WriteAll(file, "vanha");
      ASSERT_TRUE(MakePipe(dir.file("putki")) && QFile::setPermissions(file, own));
      ASSERT_TRUE(!swap.throughLink || QFile::link(file, link));
      std::string swapped;  // the folder as the change left it, but for the temporary file
      bool made = false;
      SetWriteStageHook([&](WriteStage at) {
        if (at != stage || made) return;
        made = swap.swap(file);
        for (const QString& line : QString::fromStdString(FolderState(dir.path())).split('\n'))
          if (!line.startsWith("a.bin.")) swapped += line.toStdString() + '\n';
      });
      QString why;
      const bool ok = WriteFileAtomically(swap.throughLink ? link : file, "uusi", &why);
      SetWriteStageHook({});
      ASSERT_TRUE(made);
      EXPECT_EQ(std::pair(ok, why), std::pair(!*swap.reason, QString::fromUtf8(swap.reason)));
      if (!ok) {
        EXPECT_EQ(FolderState(dir.path()) + '\n', swapped);
        continue;
      }
      const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
      EXPECT_EQ(std::tuple(ReadAll(file), QFile::permissions(file), QFileInfo(link).symLinkTarget(), entries.join(' ')),
                std::tuple(QByteArray("uusi"), own, swap.throughLink ? file : QString(),
                           swap.throughLink ? "a.bin linkki.bin putki" : "a.bin putki"));
    }
  }
}

// A write over the file a caller has read and checked (a save) replaces
// that file only: where its name has become anything else at any point of
// the write, nothing is replaced, the file moved aside and the other file
// keep their bytes and no temporary file is left.
TEST(Files, AtomicWriteOverACheckedFileReplacesThatFileOnly) {
  using namespace testsupport;
  const struct {
    const char* what;
    bool (*swap)(const QString& name, const QString& other);
    const char* left;  // what the name then holds
  } swaps[] = {
      {"a link to another file", [](const QString& n, const QString& o) { return QFile::link(o, n); }, "toinen"},
      {"a copy of another file", [](const QString& n, const QString& o) { return QFile::copy(o, n); }, "toinen"},
      {"nothing", [](const QString&, const QString&) { return true; }, ""},
  };
  for (const auto& swap : swaps) {
    for (WriteStage stage : kWriteStages) {
      SCOPED_TRACE(testing::Message() << "the name becomes " << swap.what << " at stage " << int(stage));
      TempDir dir;
      const QString file = dir.file("a.bin"), other = dir.file("toinen.bin");
      WriteAll(file, "vanha");
      WriteAll(other, "toinen");
      const FileIdentity checked = ReadFileStart(file, 100).identity;
      NameSwap swapped(stage, file, dir.file("vanha.bin"), [&] { return swap.swap(file, other); });
      QString why;
      EXPECT_FALSE(WriteFileAtomically(file, "uusi", &why, &checked));
      EXPECT_EQ(std::tuple(swapped.made, why, ReadAll(dir.file("vanha.bin")), ReadAll(other), ReadAll(file)),
                std::tuple(true, QString::fromUtf8("tiedoston nimi vaihtui tallennuksen aikana"), QByteArray("vanha"),
                           QByteArray("toinen"), QByteArray(swap.left)));
      EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter("a.bin."), QStringList());
    }
  }
}

TEST(Files, AtomicWriteTakesTheLongestNameAndSyncsTheFolder) {
  // A name of 255 bytes (the most there is) is written and replaced; 256 is
  // refused. A folder that cannot be synced after the replacement fails the
  // write: the new file is there, but not known to last.
  testsupport::TempDir dir;
  const QString longest = dir.file(QString(125, QChar(0xE4)) + "kkkkk");
  ASSERT_EQ(QFile::encodeName(FileNameOfPath(longest)).size(), 255);
  for (const char* bytes : {"uusi", "toinen"}) EXPECT_TRUE(WriteFileAtomically(longest, bytes)) << bytes;
  EXPECT_EQ(testsupport::ReadAll(longest), "toinen");
  QString why;
  EXPECT_FALSE(WriteFileAtomically(longest + "k", "x", &why));
  EXPECT_EQ(why, QString::fromUtf8("tiedoston nimi on liian pitkä"));
  for (const QString& path : {dir.file("a.bin"), dir.file("a.bin")}) {
    FailNextFolderSync(EIO);
    EXPECT_FALSE(WriteFileAtomically(path, "uusi", &why));
    EXPECT_EQ(std::pair(why, testsupport::ReadAll(path)),
              std::pair(QString::fromUtf8("levyn luku- tai kirjoitusvirhe"), QByteArray("uusi")));
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}
