#pragma once

#include <QDialog>

class Ui_About;

// The program's picture, title, version and copyright.
class About : public QDialog {
    Q_OBJECT

public:
    explicit About(QWidget* parent);
    ~About() override;

private:
    Ui_About* ui;
};
