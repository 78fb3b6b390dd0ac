#pragma once

#include "ui/Nebenfenster.h"

#include <QImage>

#include <array>

class QLabel;
class QPushButton;

namespace steinfall {

// The target contact line `index` of the about window opens, given its
// text: the web line (3) as it stands, the mail line (4) as a new mail with
// the subject "Steinfall"; the other lines open nothing (empty).
QString Verweis(int index, const QString& text);

// The about window: title, maker, contact lines with the web and mail
// links, the freeware note and OK. Made once, then only hidden and shown.
class frmCopyright : public Nebenfenster {
    Q_OBJECT
public:
    explicit frmCopyright(Gastgeber& haupt);

    QLabel& CR(int index) const { return *lblCR_[index]; }
    QPushButton& OK() const { return *cmdOK_; }

    void lblCR_Click(int index);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    void Verlassen() override;

private:
    void ControlsAnlegen();
    void Form_Load();
    void cmdOK_Click();

    std::array<QLabel*, 4> lblInfoTitel_{};
    std::array<QLabel*, 5> lblCR_{};
    QPushButton* cmdOK_ = nullptr;
};

} // namespace steinfall
