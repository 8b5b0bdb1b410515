#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

#include "QtPrinting.h"
#include "WaitFor.h"
#include "runtime/qt/HelpTopics.h"
#include "runtime/qt/HelpViewer.h"

namespace dirdock::test {
namespace {

struct SearchCase {
    const char* words;
    const char* mustFind;  // a topic the search must list, or nullptr for none at all
};

TEST(HelpSearch, FindsTopicsContainingEveryWordTyped)
{
    const SearchCase cases[] = {
        {"sort", "Sorting the list"},
        {"SORT reverse", "Sorting the list"},
        {"slide button", "The slide-out toolbar"},
        {"browse", "Directory windows"},
        {"  tile   cascade ", "The Window menu"},
        {"short filename", "What the list shows"},
        {"xyzzy", nullptr},
        {"sort xyzzy", nullptr},
        {"", nullptr},
        {"   ", nullptr},
    };
    HelpViewer viewer;
    for (const SearchCase& c : cases) {
        viewer.search(QString::fromUtf8(c.words));
        const QStringList found = viewer.searchResults();
        if (c.mustFind == nullptr)
            EXPECT_TRUE(found.isEmpty()) << c.words;
        else
            EXPECT_TRUE(found.contains(QString::fromUtf8(c.mustFind))) << c.words << ": " << found.join(", ").toStdString();
    }
}

TEST(HelpSearch, FindsOnlyTopicsThatContainTheWords)
{
    for (std::size_t topic : FindHelpTopics(QStringLiteral("header reverse"))) {
        const QString text = QString::fromUtf8(HelpTopics()[topic].html);
        EXPECT_TRUE(text.contains(QStringLiteral("header"), Qt::CaseInsensitive));
        EXPECT_TRUE(text.contains(QStringLiteral("reverse"), Qt::CaseInsensitive));
    }
    EXPECT_FALSE(FindHelpTopics(QStringLiteral("header reverse")).empty());
    // Markup is not text: a tag name alone finds nothing.
    EXPECT_TRUE(FindHelpTopics(QStringLiteral("<li>")).empty());
}

TEST(HelpViewer, ChoosingAResultByKeyboardShowsIt)
{
    HelpViewer viewer;
    viewer.switchTo(HelpViewer::Page::Search);
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    auto* field = viewer.findChild<QLineEdit*>(QStringLiteral("helpSearchField"));
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, QStringLiteral("icons minimised"));
    ASSERT_EQ(viewer.searchResults(), QStringList{QStringLiteral("The Window menu")});
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(viewer.shownTopic(), QStringLiteral("The Window menu"));
    EXPECT_TRUE(viewer.shownText().contains(QStringLiteral("Cascade")));
}

TEST(HelpViewer, ChoosingAResultWithTheMouseShowsIt)
{
    HelpViewer viewer;
    viewer.switchTo(HelpViewer::Page::Search);
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    viewer.search(QStringLiteral("toolbar"));
    auto* results = viewer.findChild<QListWidget*>(QStringLiteral("helpSearchResults"));
    ASSERT_NE(results, nullptr);
    const QList<QListWidgetItem*> items = results->findItems(QStringLiteral("The slide-out toolbar"), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, results->visualItemRect(items[0]).center());
    EXPECT_EQ(viewer.shownTopic(), QStringLiteral("The slide-out toolbar"));
    EXPECT_TRUE(viewer.shownText().contains(QStringLiteral("Directory lister")));
}

TEST(HelpViewer, ContentsListEveryTopicAndArrowKeysBrowseThem)
{
    HelpViewer viewer;
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    auto* topics = viewer.findChild<QTreeWidget*>(QStringLiteral("helpTopics"));
    ASSERT_NE(topics, nullptr);
    const QStringList titles = HelpViewer::topicTitles();
    ASSERT_EQ(topics->topLevelItemCount(), titles.size());
    EXPECT_EQ(viewer.shownTopic(), titles.front());
    topics->setFocus();
    for (qsizetype i = 1; i < titles.size(); ++i) {
        QTest::keyClick(topics, Qt::Key_Down);
        EXPECT_EQ(viewer.shownTopic(), titles[i]);
        EXPECT_TRUE(viewer.shownText().startsWith(titles[i])) << titles[i].toStdString();
    }
    EXPECT_TRUE(titles.contains(HowToUseHelpTitle()));
}

TEST(HelpViewer, OneViewerPerParentSwitchedToThePageAsked)
{
    auto parent = std::make_unique<QWidget>();
    parent->show();
    HelpViewer::showPage(parent.get(), HelpViewer::Page::Contents);
    QPointer<HelpViewer> viewer = HelpViewer::viewerFor(parent.get());
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer.data()));
    EXPECT_FALSE(viewer->searchPageShown());

    HelpViewer::showPage(parent.get(), HelpViewer::Page::Search);
    EXPECT_EQ(HelpViewer::viewerFor(parent.get()), viewer);
    EXPECT_EQ(parent->findChildren<HelpViewer*>().size(), 1);
    EXPECT_TRUE(viewer->searchPageShown());

    HelpViewer::showPage(parent.get(), HelpViewer::Page::HowToUse);
    EXPECT_EQ(parent->findChildren<HelpViewer*>().size(), 1);
    EXPECT_FALSE(viewer->searchPageShown());
    EXPECT_EQ(viewer->shownTopic(), HowToUseHelpTitle());
    EXPECT_TRUE(viewer->shownText().contains(QStringLiteral("Search")));

    viewer->close();
    ASSERT_TRUE(WaitFor([&] { return viewer.isNull(); }));
    EXPECT_EQ(HelpViewer::viewerFor(parent.get()), nullptr);
    HelpViewer::showPage(parent.get(), HelpViewer::Page::Search);
    ASSERT_NE(HelpViewer::viewerFor(parent.get()), nullptr);
    EXPECT_TRUE(HelpViewer::viewerFor(parent.get())->searchPageShown());
}

TEST(HelpViewer, ViewersOfDifferentParentsAreApart)
{
    QWidget first;
    QWidget second;
    HelpViewer::showPage(&first, HelpViewer::Page::Contents);
    HelpViewer::showPage(&second, HelpViewer::Page::Search);
    ASSERT_NE(HelpViewer::viewerFor(&first), nullptr);
    ASSERT_NE(HelpViewer::viewerFor(&second), nullptr);
    EXPECT_NE(HelpViewer::viewerFor(&first), HelpViewer::viewerFor(&second));
    EXPECT_FALSE(HelpViewer::viewerFor(&first)->searchPageShown());
    EXPECT_TRUE(HelpViewer::viewerFor(&second)->searchPageShown());
}

TEST(HelpViewer, ShowingAnUnknownTopicChangesNothing)
{
    HelpViewer viewer;
    const QString shown = viewer.shownTopic();
    EXPECT_FALSE(viewer.showTopic(QStringLiteral("No such topic")));
    EXPECT_EQ(viewer.shownTopic(), shown);
}

} // namespace
} // namespace dirdock::test
