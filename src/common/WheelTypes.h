#pragma once

#include <array>
#include <cstddef>

#include <QString>

namespace kl {

// Wherever all four wheels are processed, it is in this order.
enum class WheelPosition { FL, FR, RL, RR };
inline constexpr std::array<WheelPosition, 4> kAllWheels{WheelPosition::FL, WheelPosition::FR,
                                                         WheelPosition::RL, WheelPosition::RR};

// Pull-in, upper space, fore-aft space: always in this order.
enum class ClearanceKind { Hikikomi, Joubu, Zengo };
inline constexpr std::array<ClearanceKind, 3> kAllClearanceKinds{ClearanceKind::Hikikomi,
                                                                 ClearanceKind::Joubu, ClearanceKind::Zengo};

enum class Axle { Front, Rear };
inline constexpr std::array<Axle, 2> kBothAxles{Axle::Front, Axle::Rear};

// The place of a wheel, a kind or an axle in an array kept in the order above.
inline constexpr std::size_t indexOf(WheelPosition w) {
    return static_cast<std::size_t>(w);
}
inline constexpr std::size_t indexOf(ClearanceKind k) {
    return static_cast<std::size_t>(k);
}
inline constexpr std::size_t indexOf(Axle a) {
    return static_cast<std::size_t>(a);
}

// One value for each of a wheel's three clearances.
template <class T> struct Clearances {
    T hikikomi{};
    T joubu{};
    T zengo{};

    T& operator[](ClearanceKind k) {
        return k == ClearanceKind::Hikikomi ? hikikomi : k == ClearanceKind::Joubu ? joubu : zengo;
    }
    const T& operator[](ClearanceKind k) const {
        return k == ClearanceKind::Hikikomi ? hikikomi : k == ClearanceKind::Joubu ? joubu : zengo;
    }
};

inline QString wheelCode(WheelPosition w) {
    using namespace Qt::StringLiterals;
    switch (w) {
    case WheelPosition::FL:
        return u"FL"_s;
    case WheelPosition::FR:
        return u"FR"_s;
    case WheelPosition::RL:
        return u"RL"_s;
    case WheelPosition::RR:
        return u"RR"_s;
    }
    return {};
}

inline QString clearanceCode(ClearanceKind k) {
    using namespace Qt::StringLiterals;
    switch (k) {
    case ClearanceKind::Hikikomi:
        return u"Hikikomi"_s;
    case ClearanceKind::Joubu:
        return u"Joubu"_s;
    case ClearanceKind::Zengo:
        return u"Zengo"_s;
    }
    return {};
}

inline Axle axleOf(WheelPosition w) {
    return (w == WheelPosition::FL || w == WheelPosition::FR) ? Axle::Front : Axle::Rear;
}

// Grade texts as they stand in the grade boxes.
enum class ClearanceGrade { OK, CHECK, NG };

inline QString gradeText(ClearanceGrade g) {
    using namespace Qt::StringLiterals;
    switch (g) {
    case ClearanceGrade::OK:
        return u"OK"_s;
    case ClearanceGrade::CHECK:
        return u"CHECK"_s;
    case ClearanceGrade::NG:
        return u"NG"_s;
    }
    return {};
}

} // namespace kl
