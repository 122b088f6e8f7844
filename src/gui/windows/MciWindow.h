#pragma once

class QWidget;

// The window "Registrierte MCI-Extensionen": which extensions the preview
// player opens (as the media back end says), for information only.
void ShowMciWindow(QWidget* parent);
