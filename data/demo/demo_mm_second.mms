# A second, smaller demo materia medica by another author, so that some
# remedies have articles from two sources.  Written by the team for the demo.

@id B73E2A54-91C6-4F0D-8E25-6A1D3C9F7B42
@name MM_NOTES
@text2 Clinical Notes on Polychrests
@text3 Tomas Brill
@text4 Meridane Suite demo data
@text5 Brief bedside notes on the most used remedies.
@flags 0x40

@article |
These notes keep to what is seen at the bedside: the first signs that lead to a remedy and the modalities that confirm it.

@article acon | Aconitum napellus
Think of it in the first hours of a cold or a croup that began after a dry, cold wind, when fear fills the room.

@article arg-n | Argentum nitricum
Stage fright with diarrhoea, sugar cravings and a hurried manner.  The patient asks for the window to be opened.

@article ars | Arsenicum album
Restless anxiety after midnight, burning pains eased by heat, sips of water.

@article bell | Belladonna
High fever with a red, hot face, cold hands and feet and wide pupils.

@article bry | Bryonia alba
Lies still; every movement hurts.  Dry lips, large drinks, irritable.

@article lyc | Lycopodium clavatum
Right-sided sore throat, bloating in the afternoon, a craving for sweets.

@article nux-v | Nux vomica
The overworked city dweller with indigestion and broken sleep after three in the morning.

@article phos | Phosphorus
Nosebleeds, a tickling cough in cold air, and a longing for iced drinks.

@article puls | Pulsatilla pratensis
The weepy child who wants to be held, thirstless, better in fresh air.

@article sulph | Sulphur
Burning feet pushed out from under the covers; itching worse after a bath.
