#pragma once

#include <QDialog>

class QLabel;

namespace rorovovo::forms {

class BevelPanel;

// The interpretation of today's physical, emotional and intellectual state; shown beside the main window.
class TFormInterpret : public QDialog {
    Q_OBJECT
public:
    explicit TFormInterpret(QWidget* parent = nullptr);

    BevelPanel* Bevel1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLabel* LabelGreeting;

    void FormClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace rorovovo::forms
