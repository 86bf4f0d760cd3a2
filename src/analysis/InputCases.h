#pragma once

#include <array>
#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

namespace kl {

// Where the data-entry window holds one axle's size, before or after the change.
struct SizeFields {
    QString rimDiameter;
    QString rimWidth;
    QString direction; // offset direction list
    QString offset;
    QString sectionWidth;
    QString aspectRatio;
};

// The four blocks of the data-entry window, in reading order.
enum class SizeBlock { BeforeFront, BeforeRear, AfterFront, AfterRear };

const SizeFields& fieldsOf(SizeBlock block);

// The twelve measured clearance boxes, FL pull-in, upper, fore-aft, then FR, RL, RR.
const std::array<QString, 12>& clearanceFieldNames();

// One of the four input cases, chosen from the two same-as-front boxes.
struct InputCase {
    int number = 0; // 1..4
    bool rearBeforeFromFront = false;
    bool rearAfterFromFront = false;
    QStringList requiredFields;
    // The controls each size is read from: a ticked box reads the rear wheel from the front's fields,
    // the rear tyre always from its own.
    SizeFields sourceOf(SizeBlock block) const;
};

// The first case, tried in order 1 to 4, whose box values match and whose fields are all filled.
std::optional<InputCase> selectInputCase(int check1, int check2,
                                         const std::function<bool(const QString&)>& isFilled);

} // namespace kl
