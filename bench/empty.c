// SPDX-License-Identifier: MIT
/* The floor of start-up: a process that does nothing. */
int main(void) { return 0; }
