#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace dirdock {

// The program's own help: topics listed on a contents page, a search page
// that finds topics by the words typed, and a text pane that shows the
// chosen topic. The text is compiled in; nothing is read or written.
class HelpViewer : public QDialog {
    Q_OBJECT
public:
    enum class Page { Contents, Search, HowToUse };

    // One viewer per parent, raised and switched if already open.
    static void showPage(QWidget* parent, Page page);
    // The viewer open for this parent, nullptr when none.
    static HelpViewer* viewerFor(QWidget* parent);

    explicit HelpViewer(QWidget* parent = nullptr);

    void switchTo(Page page);
    // Runs a search as if the words were typed into the search field.
    void search(const QString& words);
    // Titles of the topics the last search found, in contents order.
    QStringList searchResults() const;
    // Shows the topic with this title; false when there is none.
    bool showTopic(const QString& title);
    QString shownTopic() const;
    QString shownText() const;
    bool searchPageShown() const;

    // Titles of every topic, in contents order.
    static QStringList topicTitles();

private:
    QWidget* makeContentsPage();
    QWidget* makeSearchPage();
    void onTopicChosen();
    void onResultChosen();

    QTabWidget* m_tabs = nullptr;
    QTreeWidget* m_topics = nullptr;
    QLineEdit* m_searchField = nullptr;
    QListWidget* m_results = nullptr;
    QTextBrowser* m_browser = nullptr;
    QString m_shownTopic;
};

} // namespace dirdock
