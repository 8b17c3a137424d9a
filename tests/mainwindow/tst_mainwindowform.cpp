#include "machineports.h"
#include "modalanswerer.h"
#include "temporaryhome.h"
#include "windowfixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QtTest>

namespace {

QStringList entriesOf(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

} // namespace

class MainWindowFormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void titleAndWindow();
    void menus();
    void buttonsActOnPress();
    void aboutQtShowsTheToolkitBox();

private:
    TemporaryHome* home = nullptr;
    MachinePorts* ports = nullptr;
};

void MainWindowFormTest::initTestCase() {
    home = new TemporaryHome;
    ports = new MachinePorts;
}

void MainWindowFormTest::cleanupTestCase() {
    delete ports;
    delete home;
}

void MainWindowFormTest::titleAndWindow() {
    MainWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Tessarund [1.1.0]"));
    QCOMPARE(window.size(), QSize(800, 600));
    QCOMPARE(window.locale(), QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(window.findChild<QStatusBar*>(QStringLiteral("statusbar")) != nullptr);

    QTreeWidget* tree = treeOf(window);
    QCOMPARE(tree->columnCount(), 2);
    QVERIFY(tree->isSortingEnabled());
    QCOMPARE(tree->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(tree->headerItem()->text(0), QStringLiteral("Port"));
    QCOMPARE(tree->headerItem()->text(1), QStringLiteral("Properties"));
}

void MainWindowFormTest::menus() {
    MainWindow window;
    const QMenuBar* bar = window.menuBar();
    QCOMPARE(bar->objectName(), QStringLiteral("menubar"));
    QStringList titles;
    for (const QAction* action : bar->actions()) {
        titles << action->text();
    }
    QCOMPARE(titles, (QStringList{"&File", "&Edit", "&Help"}));

    QCOMPARE(entriesOf(window.findChild<QMenu*>("menu_File")),
             (QStringList{"&Import", "&Export", "-", "E&xit"}));
    QCOMPARE(entriesOf(window.findChild<QMenu*>("menuEdit")),
             (QStringList{"-", "&Cut", "C&opy", "&Paste", "-", "Network de&lete", "Network &create",
                          "-", "Add Port", "Delete Port", "Edit &Port", "-", "Add Device",
                          "Delete Device", "Edit &Device"}));
    QCOMPARE(entriesOf(window.findChild<QMenu*>("menu_Help")),
             (QStringList{"&about vexalo", "about &Qt"}));

    const QStringList actionNames{
        "actionE_xit",       "action_aboutThis",     "action_aboutQt",       "actionAdd_Port",
        "actionAdd_Device",  "actionDelete_Port",    "actionEdit_Port",      "actionDelete_Device",
        "actionEdit_Device", "actionNetwork_delete", "actionNetwork_create", "action_Import",
        "action_Export",     "action_Cut",           "actionCopy",           "action_Paste"};
    for (const QString& name : actionNames) {
        const QAction* action = window.findChild<QAction*>(name);
        QVERIFY2(action != nullptr, qPrintable(name));
        QCOMPARE(action->parent(), &window);
        QVERIFY2(action->shortcut().isEmpty() && action->icon().isNull(), qPrintable(name));
    }
}

void MainWindowFormTest::buttonsActOnPress() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QPushButton* apply = buttonOf(window, "applyButton");
    QTest::mousePress(apply, Qt::LeftButton);
    QTest::mouseRelease(apply, Qt::LeftButton);
    QVERIFY(window.isVisible());

    // Cancel closes the window as soon as the mouse button goes down.
    QTest::mousePress(buttonOf(window, "cancelButton"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

void MainWindowFormTest::aboutQtShowsTheToolkitBox() {
    MainWindow window;
    SeenMessageBox seen;
    ModalAnswerer answerer;
    answerer.then(pressMessageBoxButton(QMessageBox::Ok, &seen));
    actionOf(window, "action_aboutQt")->trigger();
    QVERIFY(answerer.allAnswered());
    QVERIFY(seen.title.contains(QStringLiteral("Qt")));
}

QTEST_MAIN(MainWindowFormTest)
#include "tst_mainwindowform.moc"
