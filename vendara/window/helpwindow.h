// The help window: the contents and the search on the left, the page on the right, Back,
// Forward and Home above. It is the program's help viewer: `display` opens the help pages a
// request names, in the pane it names, at the topic of its context id. Help that cannot be
// found is reported through the prompter and the window stays closed. Asked for while a modal
// window is open, it is modal itself until it is closed.
#pragma once

#include "helpbook.h"
#include "helpviewer.h"

// Qt
#include <QWidget>

class QAction;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace prompt {
class Prompter;
}

namespace vendara {

class HelpWindow : public QWidget, public HelpViewer
{
    Q_OBJECT

public:
    explicit HelpWindow(prompt::Prompter &prompter, QWidget *parent = nullptr);

    void display(const HelpRequest &request) override;

    [[nodiscard]] const HelpBook &book() const { return mBook; }
    // The page shown, relative to the help folder ("quotes.html"); empty for none.
    [[nodiscard]] QString currentPage() const;
    void showPage(const QString &page);
    // Lists the topics that hold the words of the search box.
    void listTopics();

    [[nodiscard]] QTabWidget *panes() const { return mPanes; }
    [[nodiscard]] QTreeWidget *contentsTree() const { return mContents; }
    [[nodiscard]] QLineEdit *searchBox() const { return mSearchBox; }
    [[nodiscard]] QListWidget *searchResults() const { return mResults; }
    [[nodiscard]] QTextBrowser *browser() const { return mBrowser; }

protected:
    void hideEvent(QHideEvent *event) override;

private:
    bool loadBook(const QString &file);
    void fillContents();
    void pageChanged(const QUrl &url);
    void showResult();

    prompt::Prompter &mPrompter;
    HelpBook mBook;
    QTabWidget *mPanes;
    QTreeWidget *mContents;
    QLineEdit *mSearchBox;
    QPushButton *mListTopics;
    QListWidget *mResults;
    QPushButton *mDisplay;
    QTextBrowser *mBrowser;
    QAction *mBack;
    QAction *mForward;
    QAction *mHome;
};

} // namespace vendara
