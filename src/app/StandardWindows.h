#pragma once

class Connector;
class QWidget;
class WindowRegistry;
struct Session;

// Registers every window of the system under the class name its navigation nodes use.
void RegisterStandardWindows(WindowRegistry &registry, Session &session, Connector &connector);

// Makes an approved disbursement voucher open the window that prints it with its cheque or
// payment, over `parent`; a null parent takes the window away again.
void InstallDisbursementWindow(QWidget *parent);
