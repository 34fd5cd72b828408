#pragma once

// How the program times the replies of a test's simulated module.
enum class ReplyTiming {
    // The module is a simulator of the test, which a busy machine may hold back: the program
    // allows for it, so what is tested does not hang on the machine's load.
    Simulated,
    // The real line's time-outs, for the tests of a slow module.
    Real
};
