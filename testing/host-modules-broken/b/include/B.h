#ifndef B_h
#define B_h
#endif
