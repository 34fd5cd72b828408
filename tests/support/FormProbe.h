#pragma once

#include "form/TForm1.h"

#include <QString>

// What a test does to the window model beyond the user's input: a timer's tick at the moment the
// test picks rather than after its interval, and the states a read would leave (an empty window
// laid out for a model, a field turned on or grey, the configuration marked unmodified) without a
// module or a file to bring a configuration.
class FormProbe {
  public:
    // The refresh's tick (half a second after a change) and the clock's (every second).
    static void RefreshTick(TForm1& form) { form.Timer2Timer(); }
    static void ClockTick(TForm1& form) { form.Timer3Timer(); }
    // The tick of channel 1's or 2's reading session.
    static void ReadingTick(TForm1& form, int channel) {
        channel == 1 ? form.Timer_ReadValue1Timer() : form.Timer_ReadValue2Timer();
    }
    // Every field empty, then the layout of `model`, as a read does before it shows values.
    static void LayOutFor(TForm1& form, const QString& model) {
        form.ResetAll();
        form.AdjustFor(model);
    }
    // One parameter's caption, value control and unit turn on or grey.
    static void SetFieldEnabled(TForm1& form, const QString& key, FieldKind kind, bool enabled) {
        enabled ? form.EnableField(key, kind) : form.DisableField(key, kind);
    }
    // The configuration shown is taken as the one last read.
    static void MarkUnmodified(TForm1& form) { form.SetUnmodified(); }
};
