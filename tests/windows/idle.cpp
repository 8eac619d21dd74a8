// A program that starts and ends at once: a host command the shell can open
// when the host itself runs inside the test process.
int main() { return 0; }
