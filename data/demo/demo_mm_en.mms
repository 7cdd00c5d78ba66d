# Demo materia medica of Meridane Suite: short remedy portraits written by the
# team for demonstrations and tests.  Not a clinical reference.
#
# "@article NAME | TITLE" starts an article; a body line starting with '@' is
# written with one more '@'.

@id 4D8EA1C0-5A22-4514-9C79-03EEA3438E66
@name MM_DEMO
@text2 Demo Materia Medica
@text3 Helen Ashdown
@text4 Meridane Suite demo data
@text5 Short portraits of common remedies, written for demonstrations and tests.
@flags 0x40

@article |
How to read this book.

Every article gives a remedy's general picture first, then its mind, its leading local symptoms and its modalities: what makes the complaints worse (agg.) and what makes them better (amel.).  Links such as
@@Sulphur@sulph@ lead to the article of another remedy.

@article acon | Aconitum napellus
Sudden, violent onset after exposure to dry cold wind or after a fright. Great fear and anxiety of mind; the patient is sure he will die and may even name the hour.  Restless, tossing, thirsty for large drinks of cold water.

Fever with dry, burning heat and a full, hard pulse; one cheek red and the other pale.  Complaints are worse at night, around midnight, and in a warm room; better in the open air.

@article apis | Apis mellifica
Swelling with stinging, burning pains and rosy, shining skin, as after a bee sting.  Puffiness of the lower eyelids.  Thirstless even in fever.

Worse from heat in every form, from touch and pressure, in a warm room; better from cold applications, cold bathing and the open air.  Busy, fussy, jealous; awkward, drops things.

@article arg-n | Argentum nitricum
Hurried, impulsive and full of anticipation: anxiety before an examination or an appointment brings on diarrhoea.  Fear of high places, of crowds, of narrow streets; the tall buildings seem to close in.

Craves sweets, which disagree.  Loud, explosive eructations with some relief.  Warm-blooded: wants cool air, worse in a warm room.

@article arn | Arnica montana
The first remedy after injuries, falls, blows and overexertion.  Sore, bruised feeling as if beaten; the bed feels too hard.  The patient says there is nothing wrong with him and wants to be left alone.

Fears being touched or approached.  Worse from touch, motion and damp cold; better lying with the head low.

@article ars | Arsenicum album
Great anguish and restlessness with rapid exhaustion.  Anxiety worse after midnight, between one and three o'clock; fear of death and of being alone. Fastidious and orderly even when ill.

Burning pains better from heat; thirst for small quantities, often.  Chilly, wants to be wrapped up, yet the head is better in cool air.  Vomiting and diarrhoea after spoiled food or cold fruit.

@article bell | Belladonna
@rtf
{\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}}
{\colortbl;\red0\green0\blue128;}
{\info{\author Helen Ashdown}{\title Belladonna}}
\f0\fs20 {\b Heat, redness, throbbing and burning.}\par
Sudden, violent complaints with a hot, red face and dilated pupils; the skin radiates heat.  Throbbing headache, worse from light, noise, jarring and lying down; better sitting up and bending the head backwards.\par
\par
Delirium with wild visions; wants to escape.  Right-sided complaints.  Worse in the afternoon, about three o'clock, and from the sun on the head.\par
}

@article bry | Bryonia alba
Every motion aggravates; the patient lies perfectly still and is better from hard pressure and lying on the painful side.  Stitching pains in the chest with a dry cough; holds the chest when coughing.

Great dryness of the mucous membranes with thirst for large quantities at long intervals.  Irritable, wants to be left alone, talks of business. Headache in the forehead, worse on stooping and on moving the eyes.

@article calc | Calcarea carbonica
Chilly, flabby, easily tired, sweating on the head during sleep.  Cold, damp feet.  Slow in development; craves eggs and indigestible things.

Anxious about health and the future, fears that something bad will happen, fears the dark and observation of her confusion.  Worse from cold, damp weather, from exertion and ascending; better in dry weather.

@article carb-v | Carbo vegetabilis
Collapse with coldness, yet wants to be fanned.  Great distension of the upper abdomen; every food turns to gas, eructations relieve.  Sluggish, never well since a former illness.  Worse in warm, damp weather and from fat food.

@article cham | Chamomilla
Pain is unbearable and drives to despair.  Snappish and peevish; the child wants to be carried and demands things it then throws away.  One cheek red and hot, the other pale and cold.  Worse from anger, at night and from heat; better from being carried.

@article chin | China officinalis
Weakness after loss of fluids: bleeding, sweating, diarrhoea, nursing. Bloated abdomen not relieved by eructations.  Periodic complaints, intermittent fever every other day.  Oversensitive to light touch, yet hard pressure relieves.

@article coloc | Colocynthis
Violent, cutting colic that forces the patient to bend double; better from hard pressure and warmth.  Complaints follow anger with indignation. Neuralgic pains, especially of the left side of the face and the sciatic nerve.

@article gels | Gelsemium sempervirens
Dull, drowsy, dizzy and trembling; the eyelids are heavy.  Anticipation brings weakness and diarrhoea.  Headache from the occiput over to the forehead, better after passing urine.  Fever without thirst, with chills running up and down the back.

@article hep | Hepar sulphuris calcareum
Extremely sensitive to cold air, to touch and to pain; a draught brings on a cough.  Splinter-like pains; suppurations with offensive discharges. Irritable and hasty, quarrels easily.  Better from warmth and wrapping up.

@article ign | Ignatia amara
Ailments from grief, disappointment and shock.  Sighing, changeable moods, laughing and weeping by turns.  Contradictory symptoms: a sore throat better from swallowing solids, a lump in the throat that is not relieved by swallowing.  Worse from consolation, coffee and tobacco.

@article ip | Ipecacuanha
Persistent nausea that vomiting does not relieve, with a clean tongue. Rattling of mucus in the chest without expectoration.  Bright red bleeding. Worse from rich food and periodically.

@article kali-bi | Kali bichromicum
Thick, tough, stringy discharges from the nose and throat.  Pains in small spots that can be covered with the point of a finger.  Wandering pains. Headache above one eye preceded by blurred vision.  Worse in the morning and from cold; better from warmth.

@article lach | Lachesis muta
Left-sided complaints, or complaints that travel from left to right. Cannot bear anything tight around the throat or the waist.  Worse after sleep and on waking, worse in spring and from heat.

Loquacious, jumping from one subject to another; jealous and suspicious. Throat pain worse from empty swallowing and from warm drinks.

@article lyc | Lycopodium clavatum
Complaints go from right to left; worse from four to eight in the afternoon.  Fullness after a few mouthfuls; flatulence and distension.

Lacks self-confidence and fears failure, yet does well once he starts; domineering at home.  Craves sweets and warm drinks; better from moving about and in the open air.

@article merc | Mercurius solubilis
Profuse, offensive sweating that gives no relief.  Salivation, a flabby tongue that takes the imprint of the teeth, a metallic taste.  Sensitive to both heat and cold, worse at night and from the warmth of the bed.

@article nat-m | Natrum muriaticum
Ailments from grief kept silent; consolation makes it worse.  Weeps alone, dwells on past wrongs.  Hammering headache from sunrise to sunset, worse from the sun and during the menses.

Craves salt; thirsty.  Worse at the seaside and at ten in the morning; better in the open air and from sweating.

@article nux-v | Nux vomica
Zealous, impatient and irritable; oversensitive to noise, light, odours and music.  Ill effects of overwork, rich food, coffee, alcohol and late nights.  Chilly; must be covered in every stage of fever.

Ineffectual urging to stool.  Wakes at three or four in the morning, lies awake with thoughts about business, falls asleep late and wakes unrefreshed.

@article phos | Phosphorus
Open, affectionate and impressionable; wants company and sympathy, which relieve.  Fears the dark, thunderstorms and being alone in the evening.

Bleeds easily, bright red.  Burning pains; craves cold drinks, which are vomited as soon as they become warm in the stomach.  Worse lying on the left side; better after sleep and from eating.

@article puls | Pulsatilla pratensis
Mild, yielding, changeable; weeps easily and is consoled easily.  Wants sympathy and the open air.  Thirstless, even with a dry mouth.

Bland, thick, yellow-green discharges.  Wandering pains, changeable symptoms.  Worse from warmth, in a warm room, in the evening and from rich food; better from gentle motion in the open air.

@article rhus-t | Rhus toxicodendron
Stiffness and pain on first moving, better from continued motion; restless, must change position all the time.  Worse in cold, wet weather, at rest and at night; better from warmth and motion.  Itching vesicular eruptions. Sprains and overstrained joints.

@article sep | Sepia officinalis
Indifferent to the family and to the things she loved; wants to be alone, yet dreads it.  Weeping when telling her symptoms.  Bearing-down sensation. Chilly, better from vigorous exercise such as dancing.

@article sil | Silicea
Want of grit in body and mind: timid, yielding, afraid of failure, yet obstinate.  Chilly, with sweaty, offensive feet.  Slow suppuration; helps to expel splinters.  Constipation where the stool slips back.

@article staph | Staphysagria
Ailments from suppressed anger, indignation and humiliation.  Very sensitive to what others say.  Styes one after another.  Pains of cut wounds after operations.

@article sulph | Sulphur
@@Sulphur@sulph@ is the great remedy of burning heat: burning soles put out of bed, hot head, burning discharges.  Itching eruptions worse from washing and from the warmth of the bed.

Philosophical, untidy, selfish; early morning diarrhoea that drives out of bed.  Worse standing, at eleven in the morning and from bathing.
@rtf
{\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}}
\f0\fs20 {\b Sulphur} is the great remedy of burning heat: burning soles put out of bed, hot head, burning discharges.  Itching eruptions worse from washing and from the warmth of the bed.\par
\par
Philosophical, untidy, selfish; early morning diarrhoea that drives out of bed.  Worse standing, at eleven in the morning and from bathing.\par
}

@article thuj | Thuja occidentalis
Warts, polyps and growths.  Fixed ideas: feels as if fragile or as if something alive were in the abdomen.  Ill effects of vaccination.  Worse from cold, damp air and at three in the morning.
