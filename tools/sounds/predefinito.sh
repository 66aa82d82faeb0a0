# The neutral sound played in place of a sound file that is missing or cannot
# be played: one soft, short chime, neither "right" nor "wrong". Sourced by
# make-sounds.sh.
bell 0.00 659.26 0.55 0.8
render "$out/predefinito.wav" -10
