#ifndef A_h
#define A_h
#endif
