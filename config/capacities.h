#pragma once

// Fixed capacities of the simulator, used wherever an array or a loop depends on them.
inline constexpr int stepCapacity = 100;      // simulation steps of one run (trace indices 0..99)
inline constexpr int cacheBlockCapacity = 16; // block slots of one cache snapshot
inline constexpr int addressFieldCount = 10;  // address fields of the Configuration dialog
