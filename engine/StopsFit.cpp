#include "engine/StopsFit.h"

#include "engine/StopsFade.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// Takes each turn's colour.
class TurnWriter
{
public:
    explicit TurnWriter(QList<std::optional<Rgb>> &turns)
        : m_turns(turns)
    { }

    void letter(QStringView, ColorValue color, WaveHeight) { m_turns << SplitColor(color); }
    void lineBreak(WaveHeight) { m_turns << std::nullopt; }

private:
    QList<std::optional<Rgb>> &m_turns;
};

// A point of a pass: how many steps in a coloured turn lies, and its colour.
struct PassPoint
{
    qsizetype step;
    Rgb color;
};

// Where each coloured turn of a fade over passes + 1 stops stands: in which pass and how many
// steps in. A turn belongs to the pass in which it starts, as the letter loop runs it.
QList<QList<PassPoint>> passPoints(const ColoredMessage &colored, qsizetype passes, qsizetype h)
{
    QList<QList<PassPoint>> points(passes);
    const Letters letters(colored.message);
    qsizetype position = 0, turn = 0, pass = 0, step = -1;
    for (auto next = letters.begin(); next != letters.end(); ++next, ++position, ++turn) {
        const qsizetype passOfTurn = std::min(position / h, passes - 1);
        step = passOfTurn == pass ? step + 1 : 0;
        pass = passOfTurn;
        if (isCarriageReturn(*next) && !next.isLast()) {
            ++next;
            ++position;
        }
        if (const std::optional<Rgb> color = colored.turnColors.value(turn))
            points[pass] << PassPoint {step, *color};
    }
    return points;
}

// Solves the square system by elimination with partial pivoting, for three right-hand sides.
std::vector<std::array<double, 3>> solve(std::vector<std::vector<double>> matrix,
                                         std::vector<std::array<double, 3>> sides)
{
    const std::size_t size = matrix.size();
    for (std::size_t column = 0; column < size; ++column) {
        std::size_t pivot = column;
        for (std::size_t row = column + 1; row < size; ++row) {
            if (std::abs(matrix[row][column]) > std::abs(matrix[pivot][column]))
                pivot = row;
        }
        std::swap(matrix[column], matrix[pivot]);
        std::swap(sides[column], sides[pivot]);
        for (std::size_t row = column + 1; row < size; ++row) {
            const double factor = matrix[row][column] / matrix[column][column];
            for (std::size_t other = column; other < size; ++other)
                matrix[row][other] -= factor * matrix[column][other];
            for (std::size_t channel = 0; channel < 3; ++channel)
                sides[row][channel] -= factor * sides[column][channel];
        }
    }
    std::vector<std::array<double, 3>> solution(size);
    for (std::size_t row = size; row-- > 0;) {
        for (std::size_t channel = 0; channel < 3; ++channel) {
            double value = sides[row][channel];
            for (std::size_t other = row + 1; other < size; ++other)
                value -= matrix[row][other] * solution[other][channel];
            solution[row][channel] = value / matrix[row][row];
        }
    }
    return solution;
}

// The stops by least squares: each coloured turn lies on the line between its pass's stops, a
// step-th of h of the way, or shows the final stop past the last pass's end. A faint pull of
// each stop toward its neighbours settles the stops that no turn shows.
QList<Rgb> estimateStops(const QList<QList<PassPoint>> &points, qsizetype h)
{
    const std::size_t stops = std::size_t(points.size()) + 1;
    std::vector<std::vector<double>> normal(stops, std::vector<double>(stops, 0.0));
    std::vector<std::array<double, 3>> sides(stops, {0.0, 0.0, 0.0});
    const auto add = [&](std::size_t a, double wa, std::size_t b, double wb, const Rgb &color) {
        const std::array<double, 3> channels = {double(color.red), double(color.green),
                                                double(color.blue)};
        normal[a][a] += wa * wa;
        normal[a][b] += wa * wb;
        normal[b][a] += wa * wb;
        normal[b][b] += wb * wb;
        for (std::size_t channel = 0; channel < 3; ++channel) {
            sides[a][channel] += wa * channels[channel];
            sides[b][channel] += wb * channels[channel];
        }
    };
    for (std::size_t pass = 0; pass + 1 < stops; ++pass) {
        for (const PassPoint &point : points[qsizetype(pass)]) {
            if (point.step > h) {
                add(stops - 1, 1, stops - 1, 0, point.color);
                continue;
            }
            const double along = double(point.step) / double(h);
            add(pass, 1 - along, pass + 1, along, point.color);
        }
    }
    constexpr double pull = 1e-6;
    for (std::size_t stop = 0; stop + 1 < stops; ++stop) {
        normal[stop][stop] += pull;
        normal[stop + 1][stop + 1] += pull;
        normal[stop][stop + 1] -= pull;
        normal[stop + 1][stop] -= pull;
    }
    for (std::size_t stop = 0; stop < stops; ++stop)
        normal[stop][stop] += pull * pull;
    QList<Rgb> fitted;
    for (const std::array<double, 3> &stop : solve(normal, sides)) {
        const auto channel = [](double value) {
            return std::clamp(int(std::lround(value)), 0, 255);
        };
        fitted << Rgb {channel(stop[0]), channel(stop[1]), channel(stop[2])};
    }
    return fitted;
}

bool withinTolerance(const QList<std::optional<Rgb>> &shown,
                     const QList<std::optional<Rgb>> &wanted)
{
    for (qsizetype turn = 0; turn < wanted.size(); ++turn) {
        if (!wanted[turn])
            continue;
        const std::optional<Rgb> color = shown.value(turn);
        if (!color || std::abs(color->red - wanted[turn]->red) > StopsFitTolerance ||
            std::abs(color->green - wanted[turn]->green) > StopsFitTolerance ||
            std::abs(color->blue - wanted[turn]->blue) > StopsFitTolerance)
            return false;
    }
    return true;
}

} // namespace

QList<std::optional<Rgb>> StopsTurnColors(const QString &message, const QList<Rgb> &stops)
{
    const Letters letters(message);
    QList<std::optional<Rgb>> turns;
    TurnWriter writer(turns);
    LetterLoop<TurnWriter> loop(letters, false, writer);
    FadeThroughStops(loop, stops, letters.size());
    return turns;
}

std::optional<QList<Rgb>> FitStops(const ColoredMessage &colored)
{
    const qsizetype letters = Letters(colored.message).size();
    // With as many stops as letters and one more, every pass starts at a letter.
    const qsizetype most = std::min(MaximumStops, letters + 1);
    for (qsizetype stops = MinimumStops; stops <= most; ++stops) {
        const qsizetype h = letters / (stops - 1);
        const QList<Rgb> fitted = estimateStops(passPoints(colored, stops - 1, h), h);
        if (withinTolerance(StopsTurnColors(colored.message, fitted), colored.turnColors))
            return fitted;
    }
    return std::nullopt;
}
