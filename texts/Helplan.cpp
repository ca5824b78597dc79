#include "texts/Helplan.h"

#include <QHash>

#include "texts/Gatelan.h"

namespace {

// Titles whose text is built elsewhere.
const char* const kGeneral = "Yleistä";
const char* const kCorridor = "Käytävä";

struct Topic {
  const char* title;
  int depth;
  std::vector<const char*> lines;  // "" is an empty line
};

const std::vector<Topic>& Topics() {
  static const std::vector<Topic> topics = {
      {kGeneral, 0, {}},
      {"Järjestelmäsuositukset", 0,
       {"Käyttöjärjestelmävaatimuksena on Linux-työpöytä, esimerkiksi Debian 12 tai uudempi, jossa on "
        "graafinen käyttöliittymä.",
        "",
        "Tietokoneen näytöksi suositellaan tavanomaista kannettavan koneen näytön kokoa 15.6 tuumaa. Näytöt "
        "11,6 - 14 tai 17.3 tuumaa ovat myös suositeltavia."}},
      {"Sovelluksen poistaminen", 0,
       {"Sovellus poistetaan käyttöjärjestelmän omalla ohjelmien poistotoiminnolla tai poistamalla sen "
        "asennuskansio. Metsätilojen kuviotiedostot ja asetukset säilyvät Norvalen - kansiossa, josta ne "
        "voi poistaa erikseen, jos niitä ei enää tarvita.",
        ""}},
      {"Täsmäohjeet", 0,
       {"Lomakkeiden kysymysmerkillä merkityistä painikkeista avautuu täsmäohje, joka kertoo juuri "
        "kyseisen kohdan käytöstä.",
        ""}},
      {"Valikkokomennot", 0,
       {"Valikko on pääikkunan vasemmassa yläkulmassa. Valikosta löytyvät kuvion, asetusten ja ohjeiden "
        "komennot."}},
      {"Kuvio", 1,
       {"Kuvio - valikon komennoilla haetaan kuviotiedot, muutetaan kuvion tietoja ja poistetaan kuvio."}},
      {"Kuviotiedot", 2,
       {"Kuviotiedot - valikkokomennolla haetaan metsikkökuvion tiedot: tilan nimi, kuviotunnus, "
        "pinta-ala, kehitysluokka, kasvupaikka sekä puustotunnukset puulajeittain."}},
      {"Muuta kuviotietoja", 2,
       {"Muuta kuviotietoja - valikkokomennolla kuvion tiedot avataan muutettaviksi. Jos vain kuvion "
        "perustiedot muuttuvat, puusto säilyy ennallaan; jos puustotunnuksia muutetaan, kuviolle luodaan "
        "uusi puusto."}},
      {"Poista kuvio", 2,
       {"Poista kuvio - valikkokomennolla voidaan poistaa metsikkökuvio tuhoamalla talletustiedosto."}},
      {"Asetukset", 1,
       {"Asetukset - valikkokomento sisältää oletuskielen ja puutavaralajien keskihintojen valinnan sekä "
        "raja-arvojen asettamisen mahdollisille toimenpidesuosituksille."}},
      {"Perusasetukset", 2, {""}},
      {"Puutavaralajien hinnat", 2,
       {"Puutavaralajien hinnat - toiminnolla asetetaan puutavaralajien keskihinnat, joilla lasketaan "
        "puuston arvo ja puukaupan tulot."}},
      {"Toimenpidesuositukset", 2,
       {"Toimenpidesuositukset - toiminnolla asetetaan puuston pohjapinta-alalle ja keskipituudelle "
        "raja-arvot. Kun raja-arvot ylittyvät, kehoitetaan ryhtymään hakkuutoimenpiteisiin."}},
      {"Ohjeet", 1,
       {"Ohjeet - valikossa ovat komennot Ohjeita käyttäjälle, joka avaa tämän ohjeen, ja Tietoja "
        "ohjelmasta."}},
      {"Välilehdet", 0,
       {"Pääikkunan välilehdillä kuvio näytetään kaukonäkymänä, lähinäkymänä ja puustotunnuksina."}},
      {"Kaukonäkymä", 1,
       {"Kaukonäkymässä alakuva esittää kuvion puustoa ennen toimenpiteitä ja yläkuva toimenpiteiden "
        "jälkeen. Näkymän voi valita kesä- tai talviasuun. Jos hakkuutoimenpiteitä on suoritettu, yläkuvaan "
        "voidaan valita 1 ha otos hakkuukertymästä."}},
      {"Lähinäkymä", 1,
       {"Lähinäkymässä kuvion puustoa katsotaan lähempää kuin kaukonäkymässä, jolloin yksittäiset puut "
        "erottuvat paremmin."}},
      {"Puustotunnukset", 1,
       {"Puustotunnukset - välilehdellä näkyvät kaksi otosta 50 m * 200 m = 1 ha ennen toimenpiteitä ja "
        "niiden jälkeen. Puut on merkitty puulajin mukaan värillisinä pisteinä, ja puustotunnukset näkyvät "
        "oikealla."}},
      {"Toimenpidepainikkeet", 0,
       {"Toimenpidepainikkeilla puustoa kasvatetaan ja hakataan, toimenpiteitä perutaan ja ne "
        "talletetaan."}},
      {"Kasvatus", 1,
       {"Kasvatus - painiketta painamalla avautuu lomake, jolla voidaan kasvattaa puustoa 1 - 20 vuotta. "
        "Puustoa voidaan kasvattaa 2 kertaa. Yleensä kasvatukset ajoitetaan ennen hakkuuta ja hakkuun "
        "jälkeen. Jos puustoa kasvatetaan alussa kahdesti peräkkäin, hakkuutoimenpiteitä ei voi suorittaa. ",
        "",
        "Puuston kasvu riippuu pääasiassa puuston iästä. Sovellus ehdottaa puulajeittain ikää, jota "
        "käyttäjä voi muuttaa. Kasvupaikkaa ei käytetä kasvun arvioinnissa."}},
      {"Uudistus - tai poimintahakkuu", 1, {"Valitse uudistus - tai poimintahakkuu"}},
      {"Uudistushakkuu", 2,
       {"Uudistushakkuuvaihtoehtoja on viisi : ",
        "",
        "Pienaukkohakkuussa kuviolle hakataan pieniä aukkoja, joihin uusi puusto syntyy tai istutetaan. "
        "Aukkojen välinen puusto jää kasvamaan.",
        "",
        "Avohakkuussa kuvion puusto hakataan säästöpuita lukuun ottamatta. Säästöpuut jätetään ryhmiin "
        "monimuotoisuuden turvaamiseksi, ja alue uudistetaan istuttamalla tai kylvämällä.",
        "",
        "Siemenpuuhakkuussa kuviolle jätetään siemenpuiksi mäntyjä ja koivuja, joiden siemenistä syntyy "
        "uusi puusto. Siemenpuut korjataan, kun taimikko on varttunut.",
        "",
        "Suojuspuuhakkuu sopii kuusivaltaisille kuvioille. Kuviolle jätetään suojuspuusto, jonka alle "
        "uusi kuusen taimikko syntyy suojaan.",
        "",
        "Kaistalehakkuussa puusto hakataan kaistaleina, jotka uudistuvat viereisen metsän siemenistä. "
        "Kaistaleen leveys on korkeintaan 50 m."}},
      {"Poimintahakkuu", 2,
       {"Poimintahakkuussa poistetaan pääasiassa suurimpia puita, jolloin pienemmät puut saavat tilaa "
        "kasvaa. Poimintahakkuu voidaan tehdä myös pienaukkohakkuun jälkeen."}},
      {"Kasvatushakkuu", 1,
       {"Kasvatushakkuilla harvennetaan nuoria ja keski-ikäisiä metsiköitä, kun ajourat on ensin "
        "hakattu."}},
      {"Ajourat", 2,
       {"Ajourien väli ja leveys valitaan ajourahakkuun lomakkeella.",
        "",
        "Uraväli on kahden ajouran etäisyys urien keskipisteestä mitattuna. Koneellisessa hakkuussa "
        "uraväli on noin 20 metriä ja metsurihakkuussa jopa 30 - 40 metriä.",
        "",
        "Keskikokoinen metsätraktori vaatii noin 4.0 metrin levyisen uran."}},
      {"Puulaji", 2,
       {"Puulajin poistossa kuviolta hakataan valitun puulajin puut, esimerkiksi lehtipuut "
        "havupuutaimikosta."}},
      {kCorridor, 2, {}},
      {"Alaharvennus", 2,
       {"Alaharvennuksessa poistetaan pääasiassa pienimpiä puita. Harvennuksen jälkeinen tavoite "
        "asetetaan runkoluvun, pohjapinta-alan, tilavuuden tai puiden vähimmäisetäisyyden mukaan."}},
      {"Yläharvennus", 2,
       {"Yläharvennuksessa poistetaan myös suurimpia puita. Tavoite asetetaan kuten alaharvennuksessa "
        "runkoluvun, pohjapinta-alan, tilavuuden tai puiden vähimmäisetäisyyden mukaan."}},
      {"Peru", 1, {"Peru - painikkeella perutaan viimeksi suoritettu toimenpide."}},
      {"Muita painikkeita", 0, {"Valitse painike"}},
      {"Vaihda", 1,
       {"Vaihda - painikkeella vaihdetaan kuviolista toisen metsätilan kuviolistaksi."}},
      {"Uusi", 1,
       {"Uusi - painikkeella avautuu lomake, jolla annetaan uuden kuvion tiedot ja puustotunnukset "
        "puulajeittain.",
        "",
        "Puustotunnukset voidaan arvioida maastossa tai ottaa metsäsuunnitelmasta."}},
      {"Talleta", 1,
       {"Talleta - painikkeella talletetaan kuviolla suoritetut toimenpiteet. Painike aktivoituu, kun "
        "suoritetaan tai perutaan toimenpiteitä."}},
      {"Raportti", 1,
       {"Raportti - painikkeella avautuu kuvioraportti, jossa ovat kuvion puustotunnukset ja suoritetut "
        "toimenpiteet. Raportin voi tulostaa."}},
      {"Puukauppa", 1,
       {"Puukauppa - painikkeella voidaan arvioida puukaupan tulot, kun kuviolla on hakkuukertymää."}},
      {"Uusi metsä", 1,
       {"Uusi metsä - painike on sijoitettu Puuston tilavuus ja toimenpiteet - diagrammiin. Painike on "
        "näkyvillä uudistushakkuun jälkeen ja sitä painamalla voidaan laatia kustannusarvio "
        "metsänuudistamisen kuluista."}},
      {"Kartta", 1,
       {"Kartta - painikkeella voidaan näyttää metsätilan kartta, jos karttatiedosto on käytettävissä."}},
      {"Lisätietoja", 1,
       {"Lisätietoja - painikkeella saadaan lisätietoja metsätilan kuvioista koottuna taulukkona."}},
  };
  return topics;
}

struct Concept {
  const char* name;
  const char* text;
};

// The definitions, in list order (the list shows every one of these names
// but the last, which no item names).
const std::vector<Concept>& Concepts() {
  static const std::vector<Concept> concepts = {
      {"Ajoura", "Ajoura on puunkorjuuta varten metsään hakattu, noin 4 metriä leveä kulku-ura."},
      {"Alaharvennus", "Alaharvennuksessa poistetaan pääasiassa pienikokoisia, kasvussa jälkeen jääneitä puita."},
      {"Avohakkuu", "Avohakkuussa kuvion puusto hakataan säästöpuita lukuun ottamatta uuden metsän perustamiseksi."},
      {"Ensiharvennus", "Ensiharvennus on metsikön ensimmäinen harvennus, josta saadaan myyntikelpoista puuta."},
      {"Hakkuu", "Hakkuu on puiden kaatamista ja karsimista sekä katkomista puutavaralajeiksi."},
      {"Hakkuukertymä", "Hakkuukertymä on hakkuussa kertyvän puutavaran määrä kuutiometreinä."},
      {"Hakkuukone", "Kts. monitoimikone"},
      {"Hakkuukypsyys", "Metsikkö on hakkuukypsä, kun sen uudistaminen on taloudellisesti kannattavaa."},
      {"Hankintahinta", "Hankintahinta on puutavaran hinta, kun metsänomistaja itse korjaa puut tienvarteen."},
      {"Harvennushakkuu", "Harvennushakkuussa osa puista poistetaan, jotta jäljelle jäävät puut kasvavat paremmin."},
      {"Harvesteri", "Kts. monimtoimikone"},
      {"Hypsometri", "Hypsometri on puun pituuden mittaamiseen käytettävä mittalaite."},
      {"Jättöpuu", "Kts. säästöpuu"},
      {"Kaistalehakkuu", "Kaistalehakkuussa puusto hakataan kaistaleina, jotka uudistuvat viereisen metsän siemenistä."},
      {"Kantohinta", "Kantohinta on pystykaupan hinta, jossa ostaja korjaa puut."},
      {"Kasvatus", "Kasvatus tarkoittaa puuston kasvun ennustamista valitulle ajanjaksolle."},
      {"Kasvatushakkuu", "Kasvatushakkuu on harvennushakkuu, jolla edistetään jäävän puuston kasvua ja laatua."},
      {"Kasvatusmetsikkö", "Kasvatusmetsikkö on taimikkovaiheen ohittanut, harvennusikäinen metsikkö."},
      {"Kasvuprosentti", "Kasvuprosentti kertoo puuston vuotuisen kasvun prosentteina puuston tilavuudesta."},
      {"Kehitysluokka", "Kehitysluokka kuvaa metsikön kehitysvaihetta aukeasta uudistusalasta uudistuskypsään metsään."},
      {"Keskiläpimitta", "Keskiläpimitta on puuston pohjapinta-alalla painotettu keskimääräinen rinnankorkeusläpimitta."},
      {"Keskipituus", "Keskipituus on puuston pohjapinta-alalla painotettu keskimääräinen pituus."},
      {"Korjuu", "Korjuu käsittää puiden hakkuun ja kuljetuksen metsästä tienvarteen."},
      {"Kuitupuu", "Kts. puutavaralajit"},
      {"Kuvio", "Kuvio on metsikkö, joka on puustoltaan ja kasvupaikaltaan riittävän yhtenäinen."},
      {"Lähikuljetus", "Lähikuljetus on puutavaran kuljetus hakkuupaikalta tienvarsivarastoon."},
      {"Latvapuu", "Kts. puutavaralajit"},
      {"Leimikko", "Leimikko on hakattavaksi merkitty tai rajattu metsäalue."},
      {"Metsäsuunnitelma", "Metsäsuunnitelma on tilan metsien kuviokohtainen kuvaus ja toimenpide-ehdotus."},
      {"Metsätalous", "Metsätalous on metsien kasvatusta ja käyttöä puuntuotannon ja muiden hyötyjen vuoksi."},
      {"Metsätyyppi", "Metsätyyppi kuvaa kasvupaikan viljavuutta sen kasvillisuuden perusteella."},
      {"Metsikkö", "Metsikkö on puustoltaan yhtenäinen metsän osa, jota käsitellään yhtenä kokonaisuutena."},
      {"Monitoimikone", "Monitoimikone eli harvesteri kaataa, karsii ja katkoo puut puutavaralajeiksi."},
      {"Pohjapinta-ala", "Pohjapinta-ala on puiden rinnankorkeudelta mitattujen poikkileikkausten yhteenlaskettu ala hehtaarilla."},
      {"Puukauppa", "Puukaupassa metsänomistaja myy puutavaraa ostajalle pysty- tai hankintakauppana."},
      {"Puutavaralajit", "Puutavaralajeja ovat tukki, kuitupuu ja energiapuu; kuitupuu ja latvapuu ovat tukkia ohuempaa runkopuuta."},
      {"Raivaus", "Raivauksessa taimikosta poistetaan kasvua haittaavat vesakot ja ylimääräiset taimet."},
      {"Relaskooppi", "Relaskooppi on pohjapinta-alan mittaamiseen käytettävä mittalaite."},
      {"Rinnankorkeus", "Rinnankorkeus on 1,3 metrin korkeus maanpinnasta, josta puun läpimitta mitataan."},
      {"Rungon keskikoko", "Rungon keskikoko on hakattujen runkojen keskimääräinen tilavuus."},
      {"Runkoluku", "Runkoluku on puiden lukumäärä hehtaarilla."},
      {"Säästöpuu", "Säästöpuut jätetään hakkuussa pysyvästi metsään monimuotoisuuden turvaamiseksi."},
      {"Siemenpuuhakkuu", "Siemenpuuhakkuussa kuviolle jätetään siemenpuiksi mäntyjä tai koivuja luontaista uudistumista varten."},
      {"Suojuspuuhakkuu", "Suojuspuuhakkuussa kuviolle jätetään suojuspuusto, jonka alle uusi kuusikko syntyy."},
      {"Taimikko", "Taimikko on nuori metsikkö, jonka puut ovat alle 7 metriä pitkiä."},
      {"Tilavuus", "Tilavuus on puuston runkopuun määrä kuutiometreinä hehtaarilla tai kuviolla."},
      {"Tukki", "Kts. puutavaralajit"},
      {"Valtapituus", "Valtapituus on metsikön paksuimpien puiden keskimääräinen pituus."},
      {"Ylispuuhakkuu", "Ylispuuhakkuussa taimikon yläpuolelle jääneet siemen- tai suojuspuut korjataan."},
      {"Yläharvennus", "Yläharvennuksessa poistetaan myös suurimpia puita, jotta keskikokoiset puut saavat kasvutilaa."},
      {"Uudistushakkuu", "Uudistushakkuulla lopetetaan vanhan puuston kasvatus ja aloitetaan uuden metsän kasvatus."},
  };
  return concepts;
}

}  // namespace

const std::vector<HelpTopicNode>& HelpTopicTree() {
  static const std::vector<HelpTopicNode> tree = [] {
    std::vector<HelpTopicNode> nodes;
    for (const Topic& t : Topics()) nodes.push_back({QString::fromUtf8(t.title), t.depth});
    return nodes;
  }();
  return tree;
}

QString HelpDisclaimer() {
  return QStringLiteral(
      "Norvalen - sovelluksen tekijä ja myyjä eivät vastaa välittömästä tai välillisestä vahingosta jonka "
      "sovelluksen käyttäjä mahdollisesti tulkitsee aiheutuneen sovelluksen asennuksesta tai käytöstä.");
}

QStringList HelpTopicLines(const QString& title, const QStringList& introParagraphs) {
  if (title == QString::fromUtf8(kGeneral)) {
    QStringList lines;
    for (int i = 0; i < 3; ++i) lines << introParagraphs.value(i) << QString();
    lines << HelpDisclaimer();
    return lines;
  }
  if (title == QString::fromUtf8(kCorridor)) return {GatelanText(0)};
  for (const Topic& t : Topics()) {
    if (title != QString::fromUtf8(t.title)) continue;
    QStringList lines;
    for (const char* line : t.lines) lines << QString::fromUtf8(line);
    return lines;
  }
  return {QStringLiteral("error")};
}

QStringList HelpConceptNames() {
  QStringList names;
  for (const Concept& c : Concepts())
    if (QString::fromUtf8(c.name) != QStringLiteral("Uudistushakkuu")) names << QString::fromUtf8(c.name);
  // "Päätehakkuu" sits in its alphabetical place.
  names.insert(names.indexOf(QStringLiteral("Pohjapinta-ala")), QStringLiteral("Päätehakkuu"));
  names << QString();
  return names;
}

QString HelpConceptText(const QString& name) {
  // Final felling is the regeneration cutting under its other name.
  const QString key = name == QStringLiteral("Päätehakkuu") ? QStringLiteral("Uudistushakkuu") : name;
  for (const Concept& c : Concepts())
    if (key == QString::fromUtf8(c.name)) return QString::fromUtf8(c.text);
  return QStringLiteral("Huti");
}
