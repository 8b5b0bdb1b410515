#include "HelpTopics.h"

#include <QStringList>
#include <QTextDocumentFragment>

#include <array>

namespace dirdock {

namespace {

constexpr const char* HowToUseTitle = "How to use Help";

const std::array<HelpTopic, 10> Topics{{
    {"About this program",
     "<h2>About this program</h2>"
     "<p>This program lists the files of a directory. It opens one main window with a menu bar and a "
     "status bar. A slide-out toolbar along the main window's left edge opens directory windows; each "
     "directory window lists the plain files of one directory with their long names, short names, "
     "dates, times and sizes.</p>"
     "<p>You can open as many directory windows as you like. Each one works on its own, so a slow "
     "directory in one window does not hold up the others.</p>"
     "<p>The program only reads directory listings. It changes no files and keeps no settings.</p>"},
    {"The main window",
     "<h2>The main window</h2>"
     "<p>The main window holds the toolbar and the directory windows. Its menu bar has four menus:</p>"
     "<ul>"
     "<li><b>File</b>: <i>Print Setup</i> chooses a printer; <i>Exit</i> closes the program and every "
     "window in it.</li>"
     "<li><b>Edit</b>: <i>Cut</i>, <i>Copy</i> and <i>Paste</i> work on the selection of the field or "
     "list that has the keyboard focus, through the clipboard.</li>"
     "<li><b>Window</b>: arranges the open windows; see the topic on the Window menu.</li>"
     "<li><b>Help</b>: opens this help on its contents, its search or this viewer's own "
     "instructions.</li>"
     "</ul>"
     "<p>Open a menu with the mouse or with Alt and the underlined letter of its name.</p>"
     "<p>The status bar along the bottom of the main window tells what a menu item or the list "
     "under the pointer does.</p>"},
    {"The slide-out toolbar",
     "<h2>The slide-out toolbar</h2>"
     "<p>The toolbar hides as a thin strip along the left edge of the main window. Move the pointer "
     "onto that edge and the toolbar slides out, showing its button, whose tooltip reads "
     "<i>Directory lister</i>.</p>"
     "<p>Press the button to open a new directory window. Every press opens one more window.</p>"
     "<p>Move the pointer away to the right, past the button, and the toolbar slides back into its "
     "strip.</p>"},
    {"Directory windows",
     "<h2>Directory windows</h2>"
     "<p>A directory window has a <i>Path</i> field, a browse button beside it and a list below "
     "them.</p>"
     "<p>To list a directory, either type a path into the field, or leave the field as it is, and "
     "then press the browse button. The open-file dialog appears; choose a file in the directory "
     "you want to see, or cancel the dialog to keep the path you typed. When the dialog closes, the "
     "window lists the directory and the field shows the directory followed by the pattern "
     "<tt>*.*</tt>.</p>"
     "<p>Typing alone lists nothing: the list changes only when you press the browse button. A path "
     "without any directory in it lists the program's current directory.</p>"
     "<p>While a window's dialog is open, that window waits for it; the other windows stay "
     "usable.</p>"},
    {"Choosing a file",
     "<h2>Choosing a file</h2>"
     "<p>The open-file dialog, titled <i>Choose a File</i>, shows the folders and files of one "
     "directory at a time. Double-click a folder to open it, or type a path into the file name field. "
     "Choose a file and press <i>Open</i>; the directory window then lists the directory that holds "
     "that file.</p>"
     "<p>Press <i>Cancel</i> or Esc to close the dialog without choosing; the window then lists the "
     "directory of the path already in its field.</p>"
     "<p>When the full path of the chosen file is too long for the window to keep, the dialog says "
     "so and stays open, so that you can choose another file.</p>"},
    {"What the list shows",
     "<h2>What the list shows</h2>"
     "<p>The list shows every plain file of the directory, one row a file; folders, hidden files "
     "and system files are left out. Its columns are:</p>"
     "<ul>"
     "<li><b>Long filename</b>: the file's full name. Names wider than the column can be scrolled "
     "sideways with the column's own small scroll bar.</li>"
     "<li><b>Short filename</b>: a short name of up to eight characters, a dot and up to three "
     "more.</li>"
     "<li><b>Date</b> and <b>Time</b>: when the file was last changed.</li>"
     "<li><b>Size</b>: the file's size in bytes.</li>"
     "</ul>"
     "<p>Drag the right edge of the first three headers to make those columns wider or narrower. "
     "Click a row to select it; the arrow keys move the selection.</p>"},
    {"Sorting the list",
     "<h2>Sorting the list</h2>"
     "<p>A new listing is sorted by long file name. Click a column header to sort the list by that "
     "column, from the smallest to the largest; click the same header again to reverse the order. "
     "Clicking another header sorts by that column, again from the smallest.</p>"
     "<p>The <b>Time</b> column sorts by the time of day alone, whatever the date.</p>"},
    {"The Window menu",
     "<h2>The Window menu</h2>"
     "<ul>"
     "<li><b>Tile</b> places the open windows side by side so that all of them can be seen.</li>"
     "<li><b>Cascade</b> stacks the open windows, each one a little below and to the right of the "
     "one before.</li>"
     "<li><b>Arrange Icons</b> lines up the icons of minimised windows along the bottom of the main "
     "window.</li>"
     "</ul>"
     "<p>The end of the menu lists the open windows; choose one to bring it to the front.</p>"},
    {"Closing windows",
     "<h2>Closing windows</h2>"
     "<p>Close a directory window with the close button on its title bar; the other windows go on "
     "working. <i>Exit</i> on the File menu, or closing the main window, ends the program.</p>"},
    {HowToUseTitle,
     "<h2>How to use Help</h2>"
     "<p>Help has two pages on its left and shows the chosen topic on its right.</p>"
     "<ul>"
     "<li><b>Contents</b> lists every topic. Click a topic, or move to it with the arrow keys, to "
     "read it.</li>"
     "<li><b>Search</b> finds the topics that contain all the words you type. Type one or more "
     "words into the field; the topics found are listed below it. Click one, or move to it with the "
     "arrow keys, to read it.</li>"
     "</ul>"
     "<p>Keys: Alt+C opens the contents, Alt+S the search; Tab moves between the list, the field and "
     "the text; Ctrl+Tab switches pages. Esc closes Help.</p>"
     "<p>Choosing a help item on the Help menu while Help is open brings it to the front on the page "
     "you asked for.</p>"},
}};

QString plainText(const HelpTopic& topic)
{
    return QTextDocumentFragment::fromHtml(QString::fromUtf8(topic.html)).toPlainText();
}

bool containsEvery(const QString& text, const QStringList& words)
{
    for (const QString& word : words) {
        if (!text.contains(word, Qt::CaseInsensitive))
            return false;
    }
    return true;
}

} // namespace

std::span<const HelpTopic> HelpTopics()
{
    return Topics;
}

QString HowToUseHelpTitle()
{
    return QString::fromUtf8(HowToUseTitle);
}

std::vector<std::size_t> FindHelpTopics(const QString& words)
{
    const QStringList wanted = words.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<std::size_t> found;
    if (wanted.isEmpty())
        return found;
    for (std::size_t i = 0; i < Topics.size(); ++i) {
        const QString text = QString::fromUtf8(Topics[i].title) + QLatin1Char('\n') + plainText(Topics[i]);
        if (containsEvery(text, wanted))
            found.push_back(i);
    }
    return found;
}

} // namespace dirdock
