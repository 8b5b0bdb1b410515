#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace dirdock {

// The program's own help: a contents page with topics, a search page and
// a page on how to use the viewer. The text is compiled in.
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
    Page currentPage() const;
    // Runs a search as if the words were typed into the search field.
    void search(const QString& words);
    QStringList searchResults() const;
    // Shows the topic in the text browser.
    void showTopic(const QString& title);
    QString shownTopic() const;
    QString shownText() const;

private:
    QWidget* makeContentsPage();
    QWidget* makeSearchPage();
    QWidget* makeHowToUsePage();
    void onSearchResultChosen();

    QTabWidget* m_tabs = nullptr;
    QTreeWidget* m_topics = nullptr;
    QTextBrowser* m_browser = nullptr;
    QLineEdit* m_searchField = nullptr;
    QListWidget* m_results = nullptr;
    QTextBrowser* m_howToUse = nullptr;
    QString m_shownTopic;
};

} // namespace dirdock
