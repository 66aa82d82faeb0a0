# Right-answer sounds: short, bright and happy. Sourced by make-sounds.sh.
# Note frequencies (Hz): G4 392, C5 523.25, E5 659.26, G5 783.99, A5 880,
# B5 987.77, C6 1046.5, D6 1174.66, E6 1318.51, G6 1567.98, C7 2093.

# 1: a rising arpeggio of chimes, C major, the top note left ringing.
bell 0.00 523.25 0.45
bell 0.09 659.26 0.45
bell 0.18 783.99 0.45
bell 0.27 1046.50 0.80
render "$out/si/1.wav" -3

# 2: "ding-ding", a fourth upwards on two bells.
bell 0.00 783.99 0.40 0.9
bell 0.16 1046.50 0.75
render "$out/si/2.wav" -3

# 3: a little fanfare, "ta-ta-taaa", ending on a full chord.
brass 0.00 392.00 0.13 0.8
brass 0.15 392.00 0.13 0.8
brass 0.30 523.25 0.62
brass 0.30 659.26 0.62 0.55
brass 0.30 783.99 0.62 0.45
render "$out/si/3.wav" -6

# 4: a music-box tune on small bells, G C E D C-high.
bell 0.00 783.99 0.30 0.8
bell 0.11 1046.50 0.30 0.8
bell 0.22 1318.51 0.30 0.8
bell 0.33 1174.66 0.30 0.7
bell 0.44 1567.98 0.65
bell 0.44 2093.00 0.65 0.35
render "$out/si/4.wav" -4 lowpass 6000

# 5: a playful "boing-ding": a springy glide upwards, then a bell.
spring 0.00 190 560 0.30 0.8
bell 0.27 1046.50 0.70
bell 0.27 1318.51 0.70 0.4
render "$out/si/5.wav" -3

# 6: a quick xylophone run up to a ringing top note.
wood 0.00 698.46 0.20 0.8
wood 0.06 880.00 0.20 0.8
wood 0.12 1046.50 0.20 0.8
bell 0.18 1396.91 0.60
render "$out/si/6.wav" -4
