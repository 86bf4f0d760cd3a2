#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

#include "app/NoticeTexts.h"
#include "app/ProgramVersion.h"
#include "app/TermsOfUse.h"
#include "support/GTestPrinters.h"

using namespace Qt::StringLiterals;

using namespace kl;

namespace {

struct VersionCase {
    ProgramVersion version;
    const char16_t* splash;
    const char16_t* about;
};

void PrintTo(const VersionCase& c, std::ostream* os) {
    *os << c.version.major << '.' << c.version.minor << '.' << c.version.revision;
}

class VersionTexts : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionTexts, SplashAndAboutForms) {
    const VersionCase& c = GetParam();
    EXPECT_EQ(splashVersionText(c.version), QString::fromUtf16(c.splash));
    EXPECT_EQ(aboutVersionText(c.version), QString::fromUtf16(c.about));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, VersionTexts,
    ::testing::Values(VersionCase{{1, 0, 0}, u"Version 1.0.0", u"Version  1 . 0 . 0"},
                      VersionCase{{12, 3, 45}, u"Version 12.3.45", u"Version  12 . 3 . 45"},
                      VersionCase{{2, 10, 7}, u"Version 2.10.7", u"Version  2 . 10 . 7"}));

TEST(ProgramVersionTest, IsTheProjectsVersion) {
    const ProgramVersion v = programVersion();
    EXPECT_EQ(v.major, 1);
    EXPECT_EQ(v.minor, 0);
    EXPECT_EQ(v.revision, 0);
}

const QChar Ideographic(u'\u3000');

QStringList termsLines() {
    return TermsOfUseText().split(u"\r\n"_s);
}

bool isHeading(const QString& line) {
    static const QRegularExpression heading(u"^第[１-６]条（[^）]+）$"_s);
    return heading.match(line).hasMatch();
}

bool isItem(const QString& line) {
    static const QRegularExpression item(u"^[１-９]．\\S"_s);
    return item.match(line).hasMatch();
}

bool isContinuation(const QString& line) {
    return line.startsWith(QString(2, Ideographic)) && line.size() > 2 && line.at(2) != Ideographic;
}

TEST(TermsOfUseTextTest, CountsOfTheWholeText) {
    const QString text = TermsOfUseText();
    EXPECT_EQ(text.size(), 2461);
    EXPECT_FALSE(text.endsWith(u"\n"));
    // Every line break is CR LF: taking them out leaves no lone CR or LF.
    QString rest = text;
    rest.remove(u"\r\n"_s);
    EXPECT_FALSE(rest.contains(u'\r'));
    EXPECT_FALSE(rest.contains(u'\n'));

    const QStringList lines = termsLines();
    EXPECT_EQ(lines.size(), 62);
    qsizetype longest = 0;
    int empty = 0;
    for (const QString& l : lines) {
        longest = std::max(longest, l.size());
        empty += l.isEmpty() ? 1 : 0;
    }
    EXPECT_EQ(longest, 297);
    EXPECT_EQ(empty, 10);
}

TEST(TermsOfUseTextTest, TitlePreambleAndClosing) {
    const QStringList lines = termsLines();
    ASSERT_EQ(lines.size(), 62);
    EXPECT_TRUE(lines[0].startsWith(QString(13, Ideographic)));
    EXPECT_NE(lines[0].at(13), Ideographic);
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_FALSE(lines[2].isEmpty());
    EXPECT_FALSE(lines[3].isEmpty());
    EXPECT_TRUE(lines[4].isEmpty());
    EXPECT_TRUE(lines[5].isEmpty());
    EXPECT_TRUE(isHeading(lines[6])) << lines[6].toStdString();

    EXPECT_TRUE(
        QRegularExpression(u"^[０-９]{4}年[０-９]{1,2}月[０-９]{1,2}日"_s).match(lines[59]).hasMatch())
        << lines[59].toStdString();
    EXPECT_TRUE(lines[60].isEmpty());
    EXPECT_TRUE(lines[61].startsWith(u"Tolvane"));
    EXPECT_TRUE(lines[61].endsWith(u"www.tolvane.example"));
}

TEST(TermsOfUseTextTest, SixArticlesWithTwentyItems) {
    const QStringList lines = termsLines();
    ASSERT_EQ(lines.size(), 62);
    // The articles run from the first heading to the empty line before the date.
    struct Article {
        QString heading;
        QStringList body;
    };
    std::vector<Article> articles;
    for (qsizetype i = 6; i < 59; ++i) {
        if (isHeading(lines[i])) {
            articles.push_back({lines[i], {}});
        } else if (!lines[i].isEmpty()) {
            ASSERT_FALSE(articles.empty());
            articles.back().body.push_back(lines[i]);
        } else {
            // Exactly one empty line closes each article.
            EXPECT_TRUE(i + 1 == 59 || isHeading(lines[i + 1])) << "line " << i + 1;
        }
    }
    ASSERT_EQ(articles.size(), 6U);
    const QString numbers = u"１２３４５６"_s;
    int items = 0;
    for (std::size_t a = 0; a < articles.size(); ++a) {
        EXPECT_EQ(articles[a].heading.at(1), numbers.at(static_cast<qsizetype>(a)));
        const QStringList& body = articles[a].body;
        ASSERT_FALSE(body.isEmpty());
        if (a == 0) {
            // One paragraph, no items.
            ASSERT_EQ(body.size(), 1);
            EXPECT_FALSE(isItem(body[0]));
            continue;
        }
        qsizetype first = 0;
        if (a == 2) {
            // One sentence before the items.
            EXPECT_FALSE(isItem(body[0]));
            EXPECT_TRUE(body[0].endsWith(u"。"));
            first = 1;
        }
        int expected = 1;
        for (qsizetype i = first; i < body.size(); ++i) {
            if (isItem(body[i])) {
                EXPECT_EQ(body[i].at(0), QChar(static_cast<char16_t>(u'０' + expected)))
                    << body[i].toStdString();
                ++expected;
                ++items;
            } else {
                EXPECT_TRUE(isContinuation(body[i])) << body[i].toStdString();
                EXPECT_GT(i, first);
            }
        }
        EXPECT_TRUE(isItem(body[first]));
    }
    EXPECT_EQ(items, 20);
}

TEST(NoticeTextsTest, AddressUnderTheReservedDomain) {
    EXPECT_EQ(makerWebAddress(), u"www.tolvane.example"_s);
}

TEST(NoticeTextsTest, InformationIsOneSentencePointingToHelpAndSite) {
    const QString text = informationNoticeText();
    EXPECT_EQ(text.count(u'。'), 1);
    EXPECT_TRUE(text.endsWith(u'。'));
    EXPECT_TRUE(text.contains(u"ヘルプ"));
    EXPECT_TRUE(text.contains(u"ホームページ"));
    EXPECT_FALSE(text.contains(u'\n'));
}

class NoticeBodies : public ::testing::TestWithParam<QString (*)()> {};

TEST_P(NoticeBodies, ParagraphsEndingWithThePointer) {
    const QString text = GetParam()();
    const QStringList paragraphs = text.split(u"\r\n\r\n"_s);
    ASSERT_GE(paragraphs.size(), 2);
    for (const QString& p : paragraphs) {
        EXPECT_FALSE(p.isEmpty());
        EXPECT_FALSE(p.contains(u'\r'));
        EXPECT_FALSE(p.contains(u'\n'));
    }
    EXPECT_TRUE(paragraphs.back().contains(u"ヘルプ"));
    EXPECT_TRUE(paragraphs.back().contains(u"ホームページ"));
}

INSTANTIATE_TEST_SUITE_P(Dialogs, NoticeBodies,
                         ::testing::Values(&customizingNoticeText, &userRegistrationNoticeText));

} // namespace
