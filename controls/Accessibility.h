#pragma once

// Makes the custom window controls known to screen readers (role, name, value,
// state, press action). Idempotent; call before the first control is shown.
void installControlAccessibility();
