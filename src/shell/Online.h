#pragma once

struct ProgramState;

// Whether the machine is connected to the internet, as the system's network information
// reports it: true only for a positive "online"; false for anything else or when no network
// information is available. ProgramState::OnlineOverride forces the answer (tests).
bool Online(const ProgramState& state);
