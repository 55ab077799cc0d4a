// Opening a base file: the setup it stores goes into the window and the shared tables.
#include "main/frmPrincipal.h"

// Asks for a base file and puts its setup into the window and the shared tables.
void frmPrincipal::AbrirBaseXML() {}
