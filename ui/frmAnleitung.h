#pragma once

#include "ui/Nebenfenster.h"

#include <QImage>

class QPlainTextEdit;

namespace steinfall {

class Bildknopf;

// The game's instructions in German, the message a catalogue translates. Each
// line begins with five spaces and ends with a line feed, the last one too.
extern const char* const AnleitungText;

// The instructions window: the text, the logo and a back button that gives
// the main window back. It is made once and afterwards only hidden and shown.
class frmAnleitung : public Nebenfenster {
    Q_OBJECT
public:
    explicit frmAnleitung(Gastgeber& haupt);

    QPlainTextEdit& Text() const { return *txtAnleitung_; }
    Bildknopf& Zurueck() const { return *picButtonZurueck_; }

protected:
    void showEvent(QShowEvent* ereignis) override;
    void Verlassen() override;

private:
    void Form_Load();
    void Form_Activate();
    void Zurueckkehren();

    QImage picAnleitung_; // the logo, white outside its shape once loaded
    QPlainTextEdit* txtAnleitung_ = nullptr;
    Bildknopf* picButtonZurueck_ = nullptr;
};

} // namespace steinfall
