// Moves as values, and the one-line text each is written down as.
#include "game/Move.h"

#include <array>
#include <iomanip>
#include <locale>
#include <sstream>
#include <vector>

namespace kestrelink {

namespace {

// The words of the moves without numbers, in the order of Move::Kind from PointerOverBand on.
constexpr std::array<std::pair<Move::Kind, std::string_view>, 7> kPlainMoves{{
    {Move::Kind::PointerOverBand, "pointer over band"},
    {Move::Kind::PointerOverSurface, "pointer over surface"},
    {Move::Kind::Restart, "restart"},
    {Move::Kind::ShowSolution, "show solution"},
    {Move::Kind::NewGame, "new game"},
    {Move::Kind::ClockTick, "clock tick"},
    {Move::Kind::AnimationTick, "animation tick"},
}};

constexpr std::array<std::string_view, 3> kDragWords{"enter", "leave", "over"};

// Words, whatever the locale of the program: the decimal point is always a point.
std::istringstream reader(std::string_view text) {
    std::istringstream in{std::string(text)};
    in.imbue(std::locale::classic());
    return in;
}

std::vector<std::string> wordsOf(std::string_view text) {
    std::istringstream in = reader(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// A whole number from 0 up, written in decimal digits only.
std::optional<int> indexFrom(const std::string& word) {
    if (word.empty() || word.size() > 6 ||
        word.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(word);
}

std::optional<float> heightFrom(const std::string& word) {
    std::istringstream in = reader(word);
    float y = 0;
    if (!(in >> y) || in.peek() != std::char_traits<char>::eof())
        return std::nullopt;
    return y;
}

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

} // namespace

Move Move::dragOver(int area, int source, DragOverState drag) {
    Move move{Kind::DragOver, source, area};
    move.drag = drag;
    return move;
}

Move Move::dropOnArea(int area, int source) {
    return {Kind::DropOnArea, source, area};
}

Move Move::dropOnSurface(int source) {
    return {Kind::DropOnSurface, source};
}

Move Move::unplug(int source) {
    return {Kind::Unplug, source};
}

Move Move::mark(float y) {
    Move move{Kind::Mark};
    move.y = y;
    return move;
}

std::string moveText(const Move& move) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    switch (move.kind) {
    case Move::Kind::DragOver:
        out << "drag " << move.source << " over " << move.area << ' '
            << kDragWords.at(static_cast<std::size_t>(move.drag));
        break;
    case Move::Kind::DropOnArea:
        out << "drop " << move.source << " on " << move.area;
        break;
    case Move::Kind::DropOnSurface:
        out << "drop " << move.source << " on surface";
        break;
    case Move::Kind::Unplug:
        out << "unplug " << move.source;
        break;
    case Move::Kind::Mark:
        // Nine digits give back the very same float.
        out << "mark " << std::setprecision(9) << move.y;
        break;
    default:
        for (const auto& [kind, words] : kPlainMoves)
            if (kind == move.kind)
                out << words;
        break;
    }
    return out.str();
}

std::optional<Move> parseMove(std::string_view text) {
    const std::vector<std::string> w = wordsOf(text);
    for (const auto& [kind, words] : kPlainMoves)
        if (joined(w) == words)
            return Move{kind};
    if (w.size() == 5 && w[0] == "drag" && w[2] == "over") {
        const auto source = indexFrom(w[1]);
        const auto area = indexFrom(w[3]);
        for (std::size_t d = 0; d < kDragWords.size(); ++d)
            if (source && area && w[4] == kDragWords[d])
                return Move::dragOver(*area, *source, static_cast<DragOverState>(d));
    }
    if (w.size() == 4 && w[0] == "drop" && w[2] == "on") {
        const auto source = indexFrom(w[1]);
        if (source && w[3] == "surface")
            return Move::dropOnSurface(*source);
        if (const auto area = indexFrom(w[3]); source && area)
            return Move::dropOnArea(*area, *source);
    }
    if (w.size() == 2 && w[0] == "unplug")
        if (const auto source = indexFrom(w[1]))
            return Move::unplug(*source);
    if (w.size() == 2 && w[0] == "mark")
        if (const auto y = heightFrom(w[1]))
            return Move::mark(*y);
    return std::nullopt;
}

} // namespace kestrelink
