#pragma once

#include <QStringList>

#include "platform/Controls.h"
#include "results/gui/Form7.h"

// What the viewer's tests share: the names of its boxes and a picture of everything a command can change.
namespace kl::testing::viewer {

using namespace Qt::StringLiterals;

inline const QStringList WheelCodes{u"FL"_s, u"FR"_s, u"RL"_s, u"RR"_s};
inline const QStringList Kinds{u"Hikikomi"_s, u"Joubu"_s, u"Zengo"_s};

inline QString colourText(const QColor& c) {
    return u"rgb(%1,%2,%3)"_s.arg(c.red()).arg(c.green()).arg(c.blue());
}

inline QString colourText(const std::optional<Rgb>& c) {
    return c ? colourText(c->toColor()) : u"default"_s;
}

// The 36 boxes of a result file, in file order.
inline QStringList dataBoxNames() {
    QStringList names{u"F7_WTF_Kumiawase_Old_TXT"_s, u"F7_WTF_Kumiawase_New_TXT"_s,
                      u"F7_WTR_Kumiawase_Old_TXT"_s, u"F7_WTR_Kumiawase_New_TXT"_s,
                      u"F7_TD_FA_Old_TXT"_s,         u"F7_TD_FA_New_TXT"_s,
                      u"F7_TD_RA_Old_TXT"_s,         u"F7_TD_RA_New_TXT"_s};
    for (const QString& wheel : WheelCodes) {
        for (const QString& kind : Kinds) {
            names << u"F7_FC_%1_%2_Old_TXT"_s.arg(wheel, kind) << u"F7_FC_%1_%2_New_TXT"_s.arg(wheel, kind);
        }
    }
    for (const QString& wheel : WheelCodes) {
        names << u"F7_FC_%1_ZOUKA_New_TXT"_s.arg(wheel);
    }
    return names;
}

// The 14 grade boxes: both diameters, then each wheel's pull-in, upper and fore-aft.
inline QStringList gradeBoxNames() {
    QStringList names{u"F7_TD_FA_JG_TXT"_s, u"F7_TD_RA_JG_TXT"_s};
    for (const QString& wheel : WheelCodes) {
        for (const QString& kind : Kinds) {
            names << u"F7_FC_%1_%2_JG_TXT"_s.arg(wheel, kind);
        }
    }
    return names;
}

inline const QStringList CommentNames{u"F7_TD_FA_JGCOM_LBL"_s,       u"F7_TD_RA_JGCOM_LBL"_s,
                                      u"F7_FC_FL_Total_JGCOM_LBL"_s, u"F7_FC_FR_Total_JGCOM_LBL"_s,
                                      u"F7_FC_RL_Total_JGCOM_LBL"_s, u"F7_FC_RR_Total_JGCOM_LBL"_s};

// Every text and colour a command can change, control by control.
inline QStringList snapshot(Form7& w) {
    QStringList s;
    for (const TextBox* t : w.findChildren<TextBox*>()) {
        s << u"%1=%2 on %3 in %4"_s.arg(t->objectName(), t->Text(), colourText(t->BackColor().toColor()),
                                        colourText(t->ForeColor()));
    }
    for (const Label* l : w.findChildren<Label*>()) {
        s << u"%1=%2 in %3 on %4"_s.arg(l->objectName(), l->Caption(), colourText(l->ForeColor()),
                                        colourText(l->palette().color(QPalette::Window)));
    }
    for (const MemoBox* m : w.findChildren<MemoBox*>()) {
        s << m->objectName() + u'=' + m->Text();
    }
    return s;
}

} // namespace kl::testing::viewer
