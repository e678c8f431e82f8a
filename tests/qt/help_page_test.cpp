// The help page: every link lands on a topic that exists, every topic is
// reachable from the index, and the figures it quotes are the game's own.

#include <gtest/gtest.h>

#include <span>

#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include "core/collection/game_corner.h"
#include "core/collection/mart.h"
#include "core/model/menu_layout.h"
#include "core/progress/tournament.h"
#include "core/text/language.h"
#include "ui/game_language.h"
#include "ui/help_window.h"

namespace zorikan {
namespace {

class HelpPage : public ::testing::Test {
protected:
    void SetUp() override {
        QTextDocument* doc = help.browser()->document();
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                for (const QString& name : format.anchorNames()) anchors.insert(name);
                if (!format.anchorHref().isEmpty()) links << format.anchorHref();
            }
        }
        QFile file(":/help/help.html");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        html = QString::fromUtf8(file.readAll());
    }
    // The page's source between a topic's heading and the next one.
    QString section(const QString& id) const {
        const qsizetype start = html.indexOf("id=\"" + id + "\"");
        EXPECT_GE(start, 0) << id.toStdString();
        const qsizetype end = html.indexOf("<h2", start);
        return html.mid(start, end < 0 ? -1 : end - start);
    }
    static QList<std::uint32_t> numbers(const QString& text, const QString& pattern, int group) {
        QList<std::uint32_t> found;
        auto it = QRegularExpression(pattern).globalMatch(text);
        while (it.hasNext()) found << it.next().captured(group).toUInt();
        return found;
    }

    ui::HelpWindow help;
    QSet<QString> anchors;
    QStringList links;
    QString html;
};

TEST_F(HelpPage, EveryLinkLandsOnATopicAndEveryTopicIsInTheIndex) {
    ASSERT_GE(links.size(), 15);
    QSet<QString> targets;
    for (const QString& link : links) {
        ASSERT_TRUE(link.startsWith('#')) << "external link " << link.toStdString();
        const QString target = link.mid(1);
        EXPECT_TRUE(anchors.contains(target)) << "no topic " << target.toStdString();
        targets.insert(target);
    }
    for (const QString& anchor : anchors) {
        if (anchor == "Index") continue;
        EXPECT_TRUE(targets.contains(anchor)) << "unlinked topic " << anchor.toStdString();
    }
    // The keys have a topic of their own, which the menus' keys are written into.
    EXPECT_TRUE(anchors.contains("keys"));
    EXPECT_TRUE(html.contains("<h2 id=\"keys\">"));
}

TEST_F(HelpPage, OpensAtTheIndexAndScrollsToATopic) {
    help.resize(560, 520);
    QTextBrowser* browser = help.browser();
    // Where the first line of `text` stands in the visible part of the page.
    const auto shownAt = [browser](const QString& text) {
        const QTextCursor found = browser->document()->find(text);
        EXPECT_FALSE(found.isNull()) << text.toStdString();
        return browser->cursorRect(found).top();
    };
    help.openTopic("Index");
    EXPECT_EQ(browser->source().fragment(), "Index");
    EXPECT_TRUE(browser->toPlainText().startsWith("ZORIKAN Simulator"));
    const int rowHeight = browser->fontMetrics().height();
    EXPECT_LT(shownAt("Pick a topic:"), 4 * rowHeight);

    // The last topic, far down the page, comes to the top.
    help.openTopic("keys");
    EXPECT_EQ(browser->source().fragment(), "keys");
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
    const QTextCursor keys = browser->document()->find("Opens this help.");
    EXPECT_GE(browser->cursorRect(keys).top(), 0);
    EXPECT_LT(browser->cursorRect(keys).top(), browser->viewport()->height() / 2);

    help.openTopic("Index");
    EXPECT_LT(shownAt("Pick a topic:"), 4 * rowHeight);
}

TEST_F(HelpPage, PricesFeesAndBandsAreTheGamesOwn) {
    QList<std::uint32_t> prices;
    for (int entry = 0; entry < kMartItemCount; ++entry) prices << MartItem(entry).mart.price;
    EXPECT_EQ(numbers(section("mart"), R"(<td>(\d+)&yen;</td>)", 1), prices);

    QList<std::uint32_t> units;
    for (int kind = 1; kind < kPrizeKindCount; ++kind)
        units << kItems[*PrizeItem(kind)].corner.unit;
    EXPECT_EQ(numbers(section("corner"), R"(for\s+(?:every\s+)?(\d+)&yen;)", 1), units);
    EXPECT_TRUE(section("corner").contains(QString::number(kBetStep) + "&yen;"));

    const QString tournaments = section("tournaments");
    const QString row = R"(<td>(\d+)(?:&ndash;(\d+))?</td><td>(\d+)&yen;</td>)";
    QList<std::uint32_t> lows, highs, fees;
    for (const TournamentBand& band : TournamentBands()) {
        lows << band.minLevel;
        highs << band.maxLevel;
        fees << band.fee;
    }
    EXPECT_EQ(numbers(tournaments, row, 1), lows);
    QList<std::uint32_t> quotedHighs = numbers(tournaments, row, 2);
    // A band of one level is written once.
    for (int i = 0; i < quotedHighs.size(); ++i)
        if (quotedHighs[i] == 0) quotedHighs[i] = lows.value(i);
    EXPECT_EQ(quotedHighs, highs);
    EXPECT_EQ(numbers(tournaments, row, 3), fees);
}

// A menu item's name without the dots of an item that opens a dialog.
QString WithoutDots(QString name) {
    return name.remove(QRegularExpression(QString::fromUtf8(R"([\s\x{00a0}]*(\.\.\.|…)$)")));
}

// The names the page of the installed language sets in bold, each step of a
// menu path ("Actions > Fight a Trainer > Trainers") on its own.
QSet<QString> BoldNames() {
    QFile file(":/help/help.html");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    QSet<QString> names;
    auto it = QRegularExpression("<b>(.*?)</b>", QRegularExpression::DotMatchesEverythingOption)
                  .globalMatch(page);
    while (it.hasNext()) {
        const QString bold =
            QTextDocumentFragment::fromHtml(it.next().captured(1)).toPlainText().simplified();
        for (const QString& step : bold.split(" > ")) names.insert(WithoutDots(step));
    }
    return names;
}

// A menu item's caption as the page names it: without the Alt key's mark (in
// Japanese and Chinese a key in brackets after the word, "ファイル(&F)") and
// the dots, its spaces plain.
QString AsNamed(QString caption) {
    caption.remove(QRegularExpression(R"(\(&[^&)]\)$)"));
    caption.replace("&&", QChar(1)).remove('&').replace(QChar(1), '&');
    return WithoutDots(caption).simplified();
}
QString Caption(const MenuEntry& entry) {
    return AsNamed(QString::fromStdString(Text(entry.caption)));
}
QString EnglishCaption(const MenuEntry& entry) {
    return AsNamed(QString::fromUtf8(entry.caption.english));
}

// Each menu item the English page names is named on every other language's
// page by its caption in that language's menu, never by its English one;
// trainers' items ("Kell", "Me") too.
TEST(HelpPages, NameTheMenusItemsAsTheMenusCaptionThem) {
    std::vector<const MenuEntry*> named;
    {
        const ui::GameLanguage english("en");
        const QSet<QString> bold = BoldNames();
        for (const MenuEntry& entry : MainMenuLayout())
            if (bold.contains(EnglishCaption(entry))) named.push_back(&entry);
    }
    EXPECT_GE(named.size(), 20u);
    for (std::string_view language : std::span(kGameLanguages).subspan(1)) {
        const ui::GameLanguage installed(QString::fromUtf8(language.data(), language.size()));
        const QSet<QString> bold = BoldNames();
        for (const MenuEntry* entry : named) {
            const QString caption = Caption(*entry);
            EXPECT_TRUE(bold.contains(caption))
                << language << ": the help does not name " << entry->item << " \""
                << caption.toStdString() << "\"";
            if (caption != EnglishCaption(*entry)) {
                EXPECT_FALSE(bold.contains(EnglishCaption(*entry)))
                    << language << ": the help names " << entry->item << " in English";
            }
        }
    }
}

}  // namespace
}  // namespace zorikan
