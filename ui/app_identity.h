#pragma once

// Names the application to the desktop: version, desktop entry and window icon.
void setUpApplicationIdentity();
