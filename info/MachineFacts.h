#pragma once

#include <QString>
#include <functional>
#include <optional>

class QScreen;

// Facts about the machine for the information screen: the computer's network
// name, the logged-in user and the screen size, taken from Qt and POSIX.
namespace MachineFacts {

// The screen's size in twips and how many twips make one pixel each way.
struct ScreenTwips {
    double width = 0;
    double height = 0;
    double twipsPerPixelX = 0;
    double twipsPerPixelY = 0;
};

// The host name, or an empty text when the system gives none.
QString hostName();

// The name of the effective user from the password database; nothing when
// the user has no entry there.
std::optional<QString> userName();

// A screen measured in twips. Twips per pixel follow the screen's dots per
// inch (15 at 96) and are given whole, so the pixel count comes back exact.
ScreenTwips screenTwips(const QScreen* screen);

// A number the way the resolution line writes it: decimal digits with a point
// (whatever the regional format), at most 15 significant digits, one leading
// blank when not negative and a minus sign otherwise: " 1024", "-3", " 66.5".
QString numberText(double value);

// The resolution line: twips per pixel rounded to whole numbers (halves to
// even), pixels = twips / that, e.g. " 1920 x 1080 DPI".
QString resolutionText(double widthTwips, double heightTwips, double twipsPerPixelX, double twipsPerPixelY);

// Where the information screen takes its facts from. Tests put their own in
// place with Override; by default they come from the running system.
struct Source {
    std::function<QString()> computer;
    std::function<std::optional<QString>()> user;
    std::function<ScreenTwips()> screen;
};

const Source& source();

// Installs a source for its lifetime; members left empty keep the system's.
class Override final {
public:
    explicit Override(Source s);
    ~Override();
    Override(const Override&) = delete;
    Override& operator=(const Override&) = delete;

private:
    Source m_previous;
};

} // namespace MachineFacts
