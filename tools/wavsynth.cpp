// Placeholder: replaced by the sound synthesiser.
int main() { return 0; }
