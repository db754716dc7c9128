// What the cable selection window hands a chosen cable back to. The windows that open it, or
// keep what is chosen there, implement this; the selection window finds them among the loaded
// windows and knows none of them by its class.
#pragma once

#include <QString>

namespace tensora {

// The cable's figures as the planner's boxes hold them, in the units and number form shown.
struct CableTexts {
    QString description;
    QString allowable;
    QString weight;
    QString friction;
};

// A cable chosen in the library for a set: its figures in the units and number form shown.
struct ChosenCable {
    QString description;
    QString diameter;
    QString weight; // one cable's, per 1000 ft or per km
    QString rating;
};

class CableReceiver {
public:
    // How the selection window serves a window that opened it: as the pull planner's (the
    // cable's figures go into it as they change) or as the fill ratio window's (a diameter on
    // return), or as the pull check's set (the whole cable on return); None while the window
    // waits for no cable.
    enum class Serving { None, PullPlanner, FillRatio, CableSet };
    virtual Serving servedBySelection() const = 0;
    // The launch is over: the window waits for no cable any more.
    virtual void selectionEnded() = 0;
    // A cable was chosen in the library: its outside diameter, inches as the data file gives
    // it, in the user's number form. Every receiver that keeps it takes it, opener or not.
    virtual void cableChosen(const QString& diameter) = 0;

    // The pull planner's side: what it holds as the selection opens, and what it takes back
    // after every change there.
    virtual CableTexts cableTexts() const { return {}; }
    virtual void takeCableTexts(const CableTexts& texts) { (void)texts; }
    virtual void takeLubricant(const QString& name) { (void)name; }
    // The fill ratio window's side: the chosen diameter in the units shown, on return.
    virtual void takeDiameter(const QString& diameter) { (void)diameter; }
    // The cable set's side: the chosen cable, on return.
    virtual void takeCable(const ChosenCable& cable) { (void)cable; }

protected:
    CableReceiver() = default;
    CableReceiver(const CableReceiver&) = default;
    CableReceiver& operator=(const CableReceiver&) = default;
    ~CableReceiver() = default;
};

} // namespace tensora
