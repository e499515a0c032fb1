// `frmMain`, the catalogue program's main window: the product grid `GrdMain` on the left,
// the splitter `Frame1`, the tabs `SSTabmain` ("General", "Quote", "Discounts") on the right,
// the toolbar `tbToolBar` on top, the status bar `sbStatusBar` at the bottom, the menus and
// the notification-area icon.
//
// The window is thin: the catalogue lives in the program context, commands are added to its
// command dispatcher (see MainMenus), and the features that come on top reach everything
// through the accessors below and react to its signals.
#pragma once

#include "commanddispatcher.h"
#include "twips.h"
#include "windowlayout.h"

// Qt
#include <QMainWindow>
#include <QModelIndex>

class QSystemTrayIcon;
class QTabWidget;

namespace vendara {

class DiscountsTab;
class GeneralTab;
class MainArea;
class MainMenus;
class ProductGrid;
class ProductHistory;
class ProgramContext;
class QuoteTab;
class StatusPanels;
class TableModel;

class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(ProgramContext &context, QWidget *parent = nullptr);
    ~frmMain() override;

    [[nodiscard]] static QString caption() { return QStringLiteral("Vendara ver. 1.3"); }

    // Loads the window, hidden: stored layout, catalogue read and sorted by part number, grid
    // attached. Returns 0 (a failure of a single step is not reported).
    int load();
    // Commits, saves the catalogue, closes the program's other windows and stores the layout
    // (unless minimized). False when saving failed and the user chose to stay.
    bool unload();

    [[nodiscard]] ProgramContext &context() const { return mContext; }
    [[nodiscard]] CommandDispatcher &commands() { return mCommands; }
    // The product table's history behind "&Undo" and "&Redo": every change to the table made
    // through the window is a step of it (see ProductHistory for how a feature adds one).
    [[nodiscard]] ProductHistory &history() const { return *mHistory; }
    // A toolbar button by key ("New", "Export", "Palm", "Find", "Edit", "Insert", "DelProd",
    // "Help") or a menu item by name ("mnuFileExit", ...).
    [[nodiscard]] QAction *action(const QString &name) const;
    // "MnuFile", "mnuEdit", "mnuView", "mnuproducts", "mnuHelp"; pop-ups "mnuMainGrid",
    // "mnuQuote", "mnups", "mnusystray".
    [[nodiscard]] QMenu *menu(const QString &name) const;
    [[nodiscard]] QToolBar *toolBar() const;

    [[nodiscard]] ProductGrid *productGrid() const { return mGrid; }
    [[nodiscard]] TableModel *productModel() const { return mModel; }
    [[nodiscard]] QTabWidget *tabs() const { return mTabs; }
    [[nodiscard]] GeneralTab *generalTab() const { return mGeneral; }
    [[nodiscard]] QuoteTab *quoteTab() const { return mQuote; }
    [[nodiscard]] DiscountsTab *discountsTab() const { return mDiscounts; }
    [[nodiscard]] MainArea *mainArea() const { return mArea; }
    [[nodiscard]] StatusPanels *statusPanels() const { return mStatus; }
    [[nodiscard]] QSystemTrayIcon *trayIcon() const { return mTray; }
    [[nodiscard]] const Twips &twips() const { return mTwips; }

    // The table row of the grid's current row (from 1), or 0 when there is none.
    [[nodiscard]] int currentRow() const;
    void setCurrentRow(int row);
    // The "Edit" toolbar button's pressed state.
    [[nodiscard]] bool editMode() const;

    // A click on the header of grid column `gridColumn` (from 0): sorts the table by table
    // column gridColumn + 1, ends edit mode without committing, goes to the first row.
    void sortByColumn(int gridColumn);
    // Shows the current row's price, includes and notes on the "General" tab.
    void showCurrentDetails();

public slots:
    // Brings the window back from the notification area.
    void showme();

signals:
    // The grid's current row moves from `previousRow` to `currentRow` (table rows, 0 for
    // none); sent before the new row's details are shown.
    void rowChanging(int previousRow, int currentRow);
    // The details of `row` are shown (after a row change and after a sort).
    void detailsShown(int row);
    // The table was sorted by a header click.
    void sorted(int tableColumn);
    // The first step of closing, before the catalogue is saved: commit pending edits.
    void unloading();
    // A spreadsheet file (.xls, .xlsx, .ods, .csv, .txt) was dropped on the window.
    void spreadsheetDropped(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void addOwnCommands();
    void addTrayIcon();
    void followHistory();
    // Spreadsheet files dropped on the boxes and grids go to the window, not into the text.
    void watchDrops();
    bool spreadsheetDrop(QEvent *event);
    void applyLayout(const WindowLayout &layout);
    // The "Part Number" column as wide as its heading and its longest part number.
    void fitPartNumberColumn();
    [[nodiscard]] WindowLayout currentLayout() const;
    void currentIndexChanged(const QModelIndex &current, const QModelIndex &previous);

    ProgramContext &mContext;
    CommandDispatcher mCommands;
    Twips mTwips;
    ProductHistory *mHistory;
    ProductGrid *mGrid;
    TableModel *mModel;
    QTabWidget *mTabs;
    GeneralTab *mGeneral;
    QuoteTab *mQuote;
    DiscountsTab *mDiscounts;
    MainArea *mArea;
    MainMenus *mMenus;
    StatusPanels *mStatus;
    QSystemTrayIcon *mTray = nullptr;
    int mDetailsShown = 0;
};

} // namespace vendara
