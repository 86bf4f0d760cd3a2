#include "InputCases.h"

namespace kl {

const SizeFields& fieldsOf(SizeBlock block) {
    static const std::array<SizeFields, 4> blocks{{
        {QStringLiteral("Combo11"), QStringLiteral("Combo12"), QStringLiteral("Combo1"),
         QStringLiteral("Text13"), QStringLiteral("Combo14"), QStringLiteral("Combo15")},
        {QStringLiteral("Combo16"), QStringLiteral("Combo17"), QStringLiteral("Combo2"),
         QStringLiteral("Text18"), QStringLiteral("Combo19"), QStringLiteral("Combo20")},
        {QStringLiteral("Combo21"), QStringLiteral("Combo22"), QStringLiteral("Combo3"),
         QStringLiteral("Text23"), QStringLiteral("Combo24"), QStringLiteral("Combo25")},
        {QStringLiteral("Combo26"), QStringLiteral("Combo27"), QStringLiteral("Combo4"),
         QStringLiteral("Text28"), QStringLiteral("Combo29"), QStringLiteral("Combo30")},
    }};
    return blocks[static_cast<std::size_t>(block)];
}

const std::array<QString, 12>& clearanceFieldNames() {
    static const std::array<QString, 12> names = [] {
        std::array<QString, 12> n;
        std::size_t i = 0;
        for (const char* wheel : {"FL", "FR", "RL", "RR"}) {
            for (const char* kind : {"Hikikomi", "Joubu", "Zengo"}) {
                n[i++] = QStringLiteral("F2_FC_%1_%2_Old_TXT").arg(QLatin1String(wheel), QLatin1String(kind));
            }
        }
        return n;
    }();
    return names;
}

namespace {

void addWheel(QStringList& list, const SizeFields& f) {
    list << f.rimDiameter << f.rimWidth << f.direction << f.offset;
}

void addTyre(QStringList& list, const SizeFields& f) {
    list << f.sectionWidth << f.aspectRatio;
}

InputCase makeCase(int number, bool rearBeforeFromFront, bool rearAfterFromFront) {
    InputCase c;
    c.number = number;
    c.rearBeforeFromFront = rearBeforeFromFront;
    c.rearAfterFromFront = rearAfterFromFront;
    const auto add = [&c](SizeBlock block, bool wheelFromFront) {
        const SizeFields& f = fieldsOf(block);
        if (!wheelFromFront) {
            addWheel(c.requiredFields, f);
        }
        addTyre(c.requiredFields, f);
    };
    add(SizeBlock::BeforeFront, false);
    add(SizeBlock::BeforeRear, rearBeforeFromFront);
    add(SizeBlock::AfterFront, false);
    add(SizeBlock::AfterRear, rearAfterFromFront);
    for (const QString& name : clearanceFieldNames()) {
        c.requiredFields << name;
    }
    return c;
}

} // namespace

SizeFields InputCase::sourceOf(SizeBlock block) const {
    SizeFields f = fieldsOf(block);
    const auto takeFrontWheel = [&f](SizeBlock front) {
        const SizeFields& src = fieldsOf(front);
        f.rimDiameter = src.rimDiameter;
        f.rimWidth = src.rimWidth;
        f.direction = src.direction;
        f.offset = src.offset;
    };
    if (block == SizeBlock::BeforeRear && rearBeforeFromFront) {
        takeFrontWheel(SizeBlock::BeforeFront);
    }
    if (block == SizeBlock::AfterRear && rearAfterFromFront) {
        takeFrontWheel(SizeBlock::AfterFront);
    }
    return f;
}

std::optional<InputCase> selectInputCase(int check1, int check2,
                                         const std::function<bool(const QString&)>& isFilled) {
    static const std::array<InputCase, 4> cases{makeCase(1, false, false), makeCase(2, true, false),
                                                makeCase(3, false, true), makeCase(4, true, true)};
    for (const InputCase& c : cases) {
        const bool boxesMatch =
            check1 == (c.rearBeforeFromFront ? 1 : 0) && check2 == (c.rearAfterFromFront ? 1 : 0);
        bool allFilled = true;
        for (const QString& name : c.requiredFields) {
            allFilled = isFilled(name) && allFilled;
        }
        if (boxesMatch && allFilled) {
            return c;
        }
    }
    return std::nullopt;
}

} // namespace kl
