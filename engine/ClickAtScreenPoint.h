#pragma once

// Moves the mouse absolutely to the screen point and clicks the left button.
void ClickAtScreenPoint(int x, int y);
