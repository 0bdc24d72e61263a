#pragma once

class QWidget;

namespace plataforma {

// Places a window that has not been shown yet with its middle on the middle of another window,
// or of the screen when there is none. Client area on client area: the frames are the window
// system's, alike for both windows, and not known before the window shows.
void centerOver(QWidget& window, const QWidget* over);

} // namespace plataforma
