# Wrong-answer sounds: soft, low and friendly, a gentle "not this one",
# never a buzzer. Levelled well below the right-answer sounds. Sourced by
# make-sounds.sh. Note frequencies (Hz): C4 261.63, D4 293.66, E4 329.63,
# F4 349.23, A4 440.

# 1: a hummed "hmm-mm", two notes stepping down.
hum 0.00 329.63 0.36 1.0
hum 0.30 261.63 0.55 0.9
render "$out/no/1.wav" -11

# 2: a soft wooden "bonk".
wood 0.00 196.00 0.65 1.0
wood 0.00 392.00 0.25 0.25
render "$out/no/2.wav" -9 lowpass 2500

# 3: two soft wooden notes going down, "uh-oh" on a marimba.
wood 0.00 440.00 0.45 0.9
wood 0.22 349.23 0.75 1.0
render "$out/no/3.wav" -9 lowpass 3000

# 4: a hummed "mm" that slides gently down.
hum 0.00 349.23 0.70 1.0 293.66
render "$out/no/4.wav" -12
