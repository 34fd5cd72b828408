#pragma once

class TForm1;

// Connects the port controls of the settings page (BAutoDetect, BChangeDefaultComPort) to
// their handlers.
void ConnectPortSettings(TForm1& form);
