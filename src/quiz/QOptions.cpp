#include "quiz/QOptions.h"

// The record is plain data; its reading and writing live with the quiz file.
