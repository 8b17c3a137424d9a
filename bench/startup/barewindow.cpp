// The floor of the start-up benchmark: the least a Qt program with the editor's kind of window
// does before its first frame, a main window holding an empty tree.
#include <QApplication>
#include <QMainWindow>
#include <QTreeWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QTreeWidget);
    window.resize(800, 600);
    window.show();
    return app.exec();
}
