// SPDX-License-Identifier: GPL-3.0-or-later
// Which handler each event of each control runs: the table's wiring, in one
// place, so a search for a handler's name finds the control and the event that
// run it.
#include "table/form1.h"

namespace korvane {
namespace {

struct Wire {
    const char* control;
    Event event;
    void (Form1::*handler)();
};

// A control array's handler takes the element's index.
struct ArrayWire {
    const char* array;
    Event event;
    void (Form1::*handler)(int index);
};

const Wire kWires[] = {
    {"Command1", Event::Click, &Form1::Command1_Click},
    {"Command2", Event::Click, &Form1::Command2_Click},
    {"Command3", Event::Click, &Form1::Command3_Click},
    {"Label11", Event::Click, &Form1::Label11_Click},
    {"Label15", Event::Click, &Form1::Label15_Click},
    {"Label16", Event::DoubleClick, &Form1::Label16_DblClick},
    {"Label17", Event::Click, &Form1::Label17_Click},
    {"HScroll1", Event::Change, &Form1::HScroll1_Change},
    {"HScroll1", Event::Scroll, &Form1::HScroll1_Scroll},
    {"Timer1", Event::Tick, &Form1::Timer1_Timer},
    {"Timer2", Event::Tick, &Form1::Timer2_Timer},
    {"Timer3", Event::Tick, &Form1::Timer3_Timer},
};

const ArrayWire kArrayWires[] = {
    {"Picture1", Event::Click, &Form1::Picture1_Click},
    {"Picture2", Event::Click, &Form1::Picture2_Click},
    {"Picture4", Event::Click, &Form1::Picture4_Click},
};

}  // namespace

void Form1::wireEvents() {
    for (const Wire& wire : kWires)
        routes_.push_back({find(wire.control), wire.event, wire.handler, nullptr, 0});
    for (const ArrayWire& wire : kArrayWires) {
        const std::string array = wire.array;
        for (int i = 0; Control* element = find(array + "(" + std::to_string(i) + ")"); ++i)
            routes_.push_back({element, wire.event, nullptr, wire.handler, i});
    }
    for (Timer* timer : {&Timer1, &Timer2, &Timer3}) {
        timer->attach(&services_.timers);
        timer->onTick = [this, timer] { handle([this, timer] { raise(*timer, Event::Tick); }); };
    }
    // A change of the bet comes inside whatever event moved it.
    HScroll1.onChange = [this] { raise(HScroll1, Event::Change); };
    HScroll1.onScroll = [this] { raise(HScroll1, Event::Scroll); };
}

void Form1::raise(const Control& control, Event event) {
    for (const Route& route : routes_) {
        if (route.control != &control || route.event != event) continue;
        if (route.handler) (this->*route.handler)();
        if (route.indexed) (this->*route.indexed)(route.index);
        return;
    }
}

}  // namespace korvane
