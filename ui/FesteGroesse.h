#pragma once

class QApplication;

namespace steinfall {

// Every window of a fixed size (the side windows, the message boxes) keeps
// that size, whatever size the window system hands it.
void FesteGroesseHalten(QApplication& anwendung);

} // namespace steinfall
