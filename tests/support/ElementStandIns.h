#pragma once
// Stand-ins for the formula and kanbun character classes that typing creates by class name,
// registered only while the real classes are not linked in.

void RegisterElementStandIns();
