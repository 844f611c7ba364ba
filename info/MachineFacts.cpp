#include "info/MachineFacts.h"

#include "store/Regional.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace MachineFacts {

namespace {
Source systemSource()
{
    return {hostName, userName, [] { return screenTwips(QGuiApplication::primaryScreen()); }};
}

Source& current()
{
    static Source s = systemSource();
    return s;
}

// Twips per pixel as a whole number of at least 1, so a division by it
// never runs away on very dense screens.
double wholeTwipsPerPixel(double tpp)
{
    return double(std::max<long long>(1, Regional::roundHalfEven(tpp)));
}
} // namespace

QString hostName()
{
    // One byte short of the buffer, so the name is always terminated.
    char buffer[200] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0)
        return QString();
    return QString::fromLocal8Bit(buffer);
}

std::optional<QString> userName()
{
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? size_t(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_name
        || !*found->pw_name)
        return std::nullopt;
    return QString::fromLocal8Bit(found->pw_name);
}

ScreenTwips screenTwips(const QScreen* screen)
{
    if (!screen)
        return {};
    // Qt measures in device-independent pixels; the screen's real pixels and
    // dots per inch are those times the pixel ratio.
    const double ratio = screen->devicePixelRatio();
    const double tppX = wholeTwipsPerPixel(1440.0 / (screen->logicalDotsPerInchX() * ratio));
    const double tppY = wholeTwipsPerPixel(1440.0 / (screen->logicalDotsPerInchY() * ratio));
    const double pixelsX = std::round(screen->geometry().width() * ratio);
    const double pixelsY = std::round(screen->geometry().height() * ratio);
    return {pixelsX * tppX, pixelsY * tppY, tppX, tppY};
}

QString numberText(double value)
{
    const QString digits = QString::number(value == 0 ? 0.0 : value, 'g', 15);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

QString resolutionText(double widthTwips, double heightTwips, double twipsPerPixelX, double twipsPerPixelY)
{
    const double tx = wholeTwipsPerPixel(twipsPerPixelX);
    const double ty = wholeTwipsPerPixel(twipsPerPixelY);
    return numberText(widthTwips / tx) + QStringLiteral(" x") + numberText(heightTwips / ty) + QStringLiteral(" DPI");
}

const Source& source()
{
    return current();
}

Override::Override(Source s) : m_previous(current())
{
    const Source system = systemSource();
    current() = {s.computer ? s.computer : system.computer, s.user ? s.user : system.user,
                 s.screen ? s.screen : system.screen};
}

Override::~Override()
{
    current() = m_previous;
}

} // namespace MachineFacts
