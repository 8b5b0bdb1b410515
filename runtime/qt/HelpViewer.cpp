#include "HelpViewer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "HelpTopics.h"

namespace dirdock {

namespace {

constexpr int ContentsTab = 0;
constexpr int SearchTab = 1;

// The viewer opened without a parent has no parent to find it by.
QPointer<HelpViewer>& parentlessViewer()
{
    static QPointer<HelpViewer> viewer;
    return viewer;
}

QString titleOf(std::size_t topic)
{
    return QString::fromUtf8(HelpTopics()[topic].title);
}

} // namespace

void HelpViewer::showPage(QWidget* parent, Page page)
{
    HelpViewer* viewer = viewerFor(parent);
    if (viewer == nullptr) {
        viewer = new HelpViewer(parent);
        if (parent == nullptr)
            parentlessViewer() = viewer;
    }
    viewer->switchTo(page);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

HelpViewer* HelpViewer::viewerFor(QWidget* parent)
{
    if (parent == nullptr)
        return parentlessViewer();
    return parent->findChild<HelpViewer*>(QString(), Qt::FindDirectChildrenOnly);
}

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Help"));
    setModal(false);
    m_browser = new QTextBrowser;
    m_browser->setObjectName(QStringLiteral("helpText"));
    m_browser->setOpenLinks(false);
    m_tabs = new QTabWidget;
    m_tabs->addTab(makeContentsPage(), tr("&Contents"));
    m_tabs->addTab(makeSearchPage(), tr("&Search"));
    auto* splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    resize(640, 420);
    showTopic(titleOf(0));
}

QWidget* HelpViewer::makeContentsPage()
{
    m_topics = new QTreeWidget;
    m_topics->setObjectName(QStringLiteral("helpTopics"));
    m_topics->setHeaderHidden(true);
    m_topics->setRootIsDecorated(false);
    for (const HelpTopic& topic : HelpTopics())
        new QTreeWidgetItem(m_topics, QStringList{QString::fromUtf8(topic.title)});
    connect(m_topics, &QTreeWidget::currentItemChanged, this, &HelpViewer::onTopicChosen);
    return m_topics;
}

QWidget* HelpViewer::makeSearchPage()
{
    auto* page = new QWidget;
    auto* prompt = new QLabel(tr("&Type the words to find:"));
    m_searchField = new QLineEdit;
    m_searchField->setObjectName(QStringLiteral("helpSearchField"));
    m_searchField->setClearButtonEnabled(true);
    prompt->setBuddy(m_searchField);
    m_results = new QListWidget;
    m_results->setObjectName(QStringLiteral("helpSearchResults"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(prompt);
    layout->addWidget(m_searchField);
    layout->addWidget(m_results);
    connect(m_searchField, &QLineEdit::textChanged, this, &HelpViewer::search);
    connect(m_searchField, &QLineEdit::returnPressed, this, [this] {
        if (m_results->count() > 0)
            m_results->setCurrentRow(0);
    });
    connect(m_results, &QListWidget::currentItemChanged, this, &HelpViewer::onResultChosen);
    connect(m_results, &QListWidget::itemActivated, this, &HelpViewer::onResultChosen);
    return page;
}

void HelpViewer::switchTo(Page page)
{
    if (page == Page::Search) {
        m_tabs->setCurrentIndex(SearchTab);
        m_searchField->setFocus();
        m_searchField->selectAll();
        return;
    }
    m_tabs->setCurrentIndex(ContentsTab);
    if (page == Page::HowToUse)
        showTopic(HowToUseHelpTitle());
    m_topics->setFocus();
}

void HelpViewer::search(const QString& words)
{
    if (m_searchField->text() != words) {
        m_searchField->setText(words); // comes back here through textChanged
        return;
    }
    const QSignalBlocker blocker(m_results);
    m_results->clear();
    for (std::size_t topic : FindHelpTopics(words))
        m_results->addItem(titleOf(topic));
}

QStringList HelpViewer::searchResults() const
{
    QStringList titles;
    for (int i = 0; i < m_results->count(); ++i)
        titles << m_results->item(i)->text();
    return titles;
}

bool HelpViewer::showTopic(const QString& title)
{
    const auto topics = HelpTopics();
    for (std::size_t i = 0; i < topics.size(); ++i) {
        if (titleOf(i) != title)
            continue;
        m_shownTopic = title;
        m_browser->setHtml(QString::fromUtf8(topics[i].html));
        const QSignalBlocker blocker(m_topics);
        m_topics->setCurrentItem(m_topics->topLevelItem(static_cast<int>(i)));
        return true;
    }
    return false;
}

QString HelpViewer::shownTopic() const
{
    return m_shownTopic;
}

QString HelpViewer::shownText() const
{
    return m_browser->toPlainText();
}

bool HelpViewer::searchPageShown() const
{
    return m_tabs->currentIndex() == SearchTab;
}

QStringList HelpViewer::topicTitles()
{
    QStringList titles;
    for (std::size_t i = 0; i < HelpTopics().size(); ++i)
        titles << titleOf(i);
    return titles;
}

void HelpViewer::onTopicChosen()
{
    if (QTreeWidgetItem* item = m_topics->currentItem())
        showTopic(item->text(0));
}

void HelpViewer::onResultChosen()
{
    if (QListWidgetItem* item = m_results->currentItem())
        showTopic(item->text());
}

} // namespace dirdock
