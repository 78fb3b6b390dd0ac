#pragma once

#include "Testbilder.h"
#include "ai/Regelspieler.h"
#include "ui/frmHaupt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace steinfall::test {

// The main window with its sounds recorded instead of played, and a hook
// into the start of a fall.
class Testfenster : public frmHaupt {
public:
    // At `faktor` the 1x test pictures are shown scaled.
    explicit Testfenster(
        std::unique_ptr<Computerspieler> computer = std::make_unique<Regelspieler>(),
        double faktor = 1)
        : frmHaupt(Testbilder(), std::move(computer), faktor) {
        show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    }
    void PlaySound(const std::string& datei) override { Gespielt.push_back(datei); }
    void FallStarten(int ziel, int spieler) override {
        frmHaupt::FallStarten(ziel, spieler);
        if (BeimFallStart) {
            QTimer::singleShot(0, this, BeimFallStart);
        }
    }
    // The test goes on where the program would end.
    void ProgrammBeenden() override { Beendet = true; }
    template <typename T> T* Control(const char* name) {
        return findChild<T*>(QString::fromLatin1(name));
    }

    std::vector<std::string> Gespielt;
    bool Beendet = false;
    std::function<void()> BeimFallStart;
};

// Answers the next message box with `knopf` once it is open, after `pruefen`
// has looked at it.
inline void Antworten(QMessageBox::StandardButton knopf,
                      std::function<void(QMessageBox&)> pruefen = nullptr) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (pruefen) {
            pruefen(*box);
        }
        box->button(knopf)->click();
    });
}

// While it lives, answers every message box that opens with No, or OK where
// there is no No, and keeps "title: text" of each. A key that opens a box
// by mistake then fails its test instead of hanging it.
class Abwimmeln {
public:
    Abwimmeln() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Fragen << box->windowTitle() + ": " + box->text();
                QAbstractButton* nein = box->button(QMessageBox::No);
                (nein ? nein : box->button(QMessageBox::Ok))->click();
            }
        });
        timer_.start();
    }
    QStringList Fragen;

private:
    QTimer timer_;
};

} // namespace steinfall::test
