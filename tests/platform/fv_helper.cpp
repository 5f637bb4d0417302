// An executable whose only purpose is to carry a file version (2.10.0.7) for the version reader's tests.
int main() { return 0; }
