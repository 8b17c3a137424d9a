#include "mainwindow/mainwindow.h"

#include "dialogs/about.h"
#include "mainwindow/liveports.h"
#include "mainwindow/treebatch.h"
#include "model/rowicons.h"
#include "res/resourceicon.h"
#include "storage/configurationlock.h"
#include "ui_mainwindow.h"

#include <QApplication>

namespace {

// The form's icons come from the shared icon cache, which decodes nothing before they are drawn.
void setFormIcons(QMainWindow& window, const Ui_MainWindow& ui) {
    window.setWindowIcon(resourceIcon(QStringLiteral("vexalo.ico")));
    const std::pair<QAbstractButton*, const char*> buttons[] = {
        {ui.cutButton, "edit-cut.ico"},         {ui.copyButton, "edit-copy.ico"},
        {ui.pasteButton, "edit-paste.ico"},     {ui.addButton, "list-add.ico"},
        {ui.deleteButton, "list-remove.ico"},   {ui.editButton, "edit.ico"},
        {ui.cancelButton, "dialog-cancel.ico"}, {ui.applyButton, "dialog-apply.ico"},
        {ui.okButton, "application-exit.ico"},
    };
    for (const auto& [button, file] : buttons)
        button->setIcon(resourceIcon(QLatin1String(file)));
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui(new Ui_MainWindow), currentItem(nullptr), clipboardItem(nullptr),
      clipboardIsCut(false), modified(false) {
    ui->setupUi(this);
    setFormIcons(*this, *ui);
    setRowIconLookup(resourceIcon);
    batching = std::make_unique<TreeBatching>(*ui->treeWidget);
    live = std::make_unique<LivePorts>();
    live->remembered = storage::readAdapterIdentities();
    connect(ui->treeWidget->model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (!parent.isValid())
                    showMachineFacts(first, last);
            });
    setWindowTitle(QStringLiteral("%1 [%2]").arg(windowTitle(), QStringLiteral(VEXALO_VERSION)));
    connectActions();
    createDefaultNetwork();
    updateMenus();
}

MainWindow::~MainWindow() {
    delete ui;
}

void MainWindow::connectActions() {
    connect(ui->action_aboutQt, &QAction::triggered, this, &MainWindow::aboutQt);
    connect(ui->action_aboutThis, &QAction::triggered, this, &MainWindow::aboutThis);
    connect(ui->actionAdd_Port, &QAction::triggered, this, &MainWindow::addPort);
    connect(ui->actionDelete_Port, &QAction::triggered, this, &MainWindow::delPort);
    connect(ui->actionEdit_Port, &QAction::triggered, this, &MainWindow::editPort);
    connect(ui->actionAdd_Device, &QAction::triggered, this, &MainWindow::addDevice);
    connect(ui->actionDelete_Device, &QAction::triggered, this, &MainWindow::delDevice);
    connect(ui->actionEdit_Device, &QAction::triggered, this, &MainWindow::editDevice);
    connect(ui->actionNetwork_create, &QAction::triggered, this, &MainWindow::newNetwork);
    connect(ui->actionNetwork_delete, &QAction::triggered, this, &MainWindow::delNetwork);
    connect(ui->action_Export, &QAction::triggered, this, &MainWindow::expNetwork);
    connect(ui->action_Import, &QAction::triggered, this, &MainWindow::impNetwork);
    connect(ui->action_Cut, &QAction::triggered, this, &MainWindow::on_cutButton_pressed);
    connect(ui->actionCopy, &QAction::triggered, this, &MainWindow::on_copyButton_pressed);
    connect(ui->action_Paste, &QAction::triggered, this, &MainWindow::on_pasteButton_pressed);
    // Exit is the window's close button in the menu: pending changes are saved the same way.
    connect(ui->actionE_xit, &QAction::triggered, this, &MainWindow::close);
}

void MainWindow::aboutThis() {
    About dialog(this);
    dialog.setModal(true);
    dialog.exec();
}

void MainWindow::aboutQt() {
    QApplication::aboutQt();
}

void MainWindow::on_treeWidget_itemSelectionChanged() {
    updateMenus();
}

void MainWindow::on_cancelButton_pressed() {
    close();
}

// Writes pending changes as OK does, but keeps the window open; a failure is shown the same way.
void MainWindow::on_applyButton_pressed() {
    save();
}
