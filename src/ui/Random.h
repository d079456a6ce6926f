#pragma once

// The program's one uniform random generator.

// Seeds the generator from the clock.
void Randomize();

// The next draw, 0 <= r < 1.
float Rnd();
