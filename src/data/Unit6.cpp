#include "data/Unit6.h"

TDataModule6* DataModule6 = nullptr;

namespace {

constexpr const char* kWorkers = R"sql(SELECT person.s_caption, s_second_name, s_first_name, s_third_name, b_employee, person.id, staff.s_caption s_staffpos, staff.id staff_id, dep.s_caption s_department, dep.id dep_id , roles.s_caption s_role, roles.id role_id FROM hrms_staffpos.staffpos staff, cmn_contractor.person person, cmn_department.department dep, adm_role.roles roles where person.b_employee = true and staff.id=person.id_staffpos and dep.id=person.id_department and roles.id = person.id_role order by s_caption)sql";

constexpr const char* kDepartment = R"sql(select d.*, d1.s_caption s_parent from cmn_department.department d, cmn_department.v_department d1 where d.id_parent = d1.id order by s_caption;)sql";

constexpr const char* kStaffpos = R"sql(SELECT s.*, d.s_caption s_dep FROM hrms_staffpos.staffpos s, cmn_department.department d where d.id=s.id_department order by s.s_caption)sql";

constexpr const char* kRole = R"sql(select *, case when b_active then '+' else '-' end as yesno from adm_role.roles order by s_caption)sql";

constexpr const char* kNomenclature = R"sql(select n.*, d.s_caption s_department from cmn_inventory_items.nomenclature n, cmn_department.department d where d.id=n.id_department order by s_caption)sql";

constexpr const char* kJur_person = R"sql(select jp.* from cmn_contractor.jur_person jp order by jp.s_caption)sql";

constexpr const char* kOperation_type = R"sql(select * from mnf_operation.operation_type order by s_caption)sql";

constexpr const char* kUserQuery = R"sql(select * from adm_user.users u where s_name = :s_name)sql";

constexpr const char* kInventory_items = R"sql(select ii.*, (CASE ii.ral WHEN true THEN '+' END) as s_ral, it.s_caption as s_type, n.s_caption as s_nom,  m.s_identification, (select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = ii.id) as tp_cnt,pt2.id_gds, ii2.marka as s_caption_gds from cmn_inventory_items.inventory_items ii left join cmn_inventory_items.ii_type it on ii.id_type = it.id left join cmn_inventory_items.nomenclature n on ii.id_nom = n.id left join  cmn_msm.msm m on m.id = ii.id_msm left join mnf_proc_tech.proc_tech pt2 on ii.id=pt2.id_inventory_items left join cmn_inventory_items.inventory_items ii2 on ii2.id=pt2.id_gds order by ii.marka)sql";

constexpr const char* kProc_tech = R"sql(select (case when sum(o.price) is null then 0 else sum(o.price) end) as full_price, pt.id, pt.s_caption, ii.marka as s_ii, pt.id_inventory_items, pt.id_gds, ii2.marka s_gds from mnf_proc_tech.proc_tech pt left outer join mnf_operation.operation o on pt.id = o.id_proc_tech left join cmn_inventory_items.inventory_items ii on  ii.id = pt.id_inventory_items left join cmn_inventory_items.inventory_items ii2 on  ii2.id = pt.id_gds group by pt.id, ii.marka, ii2.marka order by s_ii)sql";

constexpr const char* kOperation = R"sql(select distinct o.*, ot.s_caption s_type, ii.marka, os.s_caption s_state from mnf_operation.operation o, mnf_operation.operation_type ot, cmn_inventory_items.inventory_items ii, mnf_operation.operation_state os where ii.id=o.id_inventory_items and ot.id = o.id_type and o.id_proc_tech = :id_proc_tech and os.id = o.id_state order by orderby)sql";

constexpr const char* kApp_doc = R"sql(SELECT distinct ad.id, ad.d_date, jp.s_full_caption s_jp_caption, p.s_caption s_person_caption, d_mnf, d_out, jp.id as id_jp, p.id as id_person FROM mnf_app.app_doc ad, cmn_contractor.jur_person jp, cmn_contractor.person p where ad.id_jur_person = jp.id and ad.id_person = p.id order by d_date DESC)sql";

constexpr const char* kApp_spec = R"sql(SELECT as1.id, as1.cnt-as1.done as cnt_done, as1.cnt, as1.done, as1.id_ii, ii.marka ii_s_caption, m.s_identification as msm_s_caption, as1.id_app_doc, ii.ral_cons, as1.job_price, as1.gds_price, ii.ral_cons*cnt as ral_need, ii2.marka as ral_s_caption, ii.massa*as1.cnt as gds_need, ii1.marka as gds_s_caption, ii1.id as id_gds,ad.id_app_doc as ad_id_app_doc, (select sum(distinct s.count) as stk_gds from stk_stocks.stock s, mnf_proc_tech.proc_tech pt where s.id_ii = pt.id_gds and pt.id_inventory_items = ii.id), (select sum(distinct s.count) as stk_ral from stk_stocks.stock s, mnf_proc_tech.proc_tech pt where s.id_ii = as1.id_ral), case when as1.accept then 'Да' else 'Нет' end as yesno,as1.accept, ii.massa*as1.cnt as massa_gds, as1.id_ral FROM mnf_app.app_spec as1, cmn_inventory_items.inventory_items ii, cmn_msm.msm m, cmn_inventory_items.inventory_items ii2, cmn_inventory_items.inventory_items ii1, stk_stocks.stock s, mnf_proc_tech.proc_tech pt, stk_stocks.stock s1, mnf_app.app_doc ad where as1.id_ii = ii.id and m.id = ii.id_msm  and ii2.id = as1.id_ral and pt.id_inventory_items = ii.id and ii.id = :ii_id and ii1.id=pt.id_gds and ad.id = as1.id_app_doc group by ii.id, as1.id, ii.marka, m.s_identification,ii.ral_cons,ii2.marka,ii.massa, ii2.massa, ii1.marka, ii1.id, ad.id_app_doc order by as1.id_app_doc DESC, as1.id DESC)sql";

constexpr const char* kStock = R"sql(select s.*, (s.count-s.reserve) as balance, ii.marka as ii_caption, d.s_caption d_caption from stk_stocks.stock s, cmn_inventory_items.inventory_items ii, cmn_department.department d where s.id_ii = ii.id and s.id_stock =d.id and s.count>0 and (d."type" =2 or d."type" =1))sql";

constexpr const char* kStock_in = R"sql(select si.*, jp.s_full_caption as jp_caption, d.s_caption as dep_caption, (select count(si2.id) from stk_stocks.spec_in si2 where si2.accept = false and si.id=si2.id_stock_in) as cnt_accept from stk_stocks.stock_in si, cmn_contractor.jur_person jp, cmn_department.department d where si.id_jur_pers = jp.id and si.id_department = d.id and d."type" <>0 group by si.id, jp.s_full_caption, d.s_caption;)sql";

constexpr const char* kSpec_out = R"sql(SELECT ii.marka, ii.id as ii_id, ii.id_nom, d.s_caption , id_stock_out, cnt_gds, d_datetime, so.accept, so.id, so.id_app_doc, m.s_identification as msm_caption, as2.id_ral, case when so.accept then 'Да' else 'Нет' end as yesno, id_app_spec, ii.ral_cons, so.price, so.price*so.cnt_gds::t_money as all_price_gds FROM stk_stocks.spec_out so, cmn_inventory_items.inventory_items ii, cmn_msm.msm m, cmn_department.department d, mnf_app.app_spec as2 where ii.id = so.id_gds and ii.id_msm = m.id and d.id = so.id_stock_out and as2.id=id_app_spec order by id_app_doc desc, so.id_app_spec asc, ii.marka asc)sql";

constexpr const char* kSmena1 = R"sql(select smena.id, smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id, smena.cena,person.s_caption fio, ii1.marka, ot.s_caption vid_oper, (SELECT (CASE id_state WHEN 0 THEN 'Готовая продукция' ELSE 'Заготовки' END)) as nmn, o.id, smena.kol_vo, smena.brak, round((kol_vo::numeric-brak::numeric)*smena.cena::numeric, 2) as summa, smena.prize,time, smena.ok, date(vvod) as vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, smena.id_cons_use, ii.marka as s_caption_color from cmn_contractor.person person,cmn_inventory_items.inventory_items ii1, mnf_operation.operation o,accounts_dep.smena, mnf_operation.operation_type ot, mnf_app.app_spec as2, cmn_inventory_items.inventory_items ii where smena.i_id=ii1.id and smena.o_id=o.id and ii.id = as2.id_ral and as2.id_ii = ii1.id and as2.id=smena.id_doc_item and o.id_type=ot.id and smena.smena=1 and smena.data=:data and ok!=:OK and smena.w_id= person.id order by  ii1.marka, fio,ot.s_caption, o.id)sql";

constexpr const char* kSmena2 = R"sql(select smena.id, smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id, smena.cena,person.s_caption fio, ii1.marka, ot.s_caption vid_oper, (SELECT (CASE id_state WHEN 0 THEN 'Готовая продукция' ELSE 'Заготовки' END)) as nmn, o.id, smena.kol_vo, smena.brak, round((kol_vo::numeric-brak::numeric)*smena.cena::numeric, 2) as summa, smena.prize,time, smena.ok, date(vvod) as vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, smena.id_cons_use, ii.marka as s_caption_color from cmn_contractor.person person,cmn_inventory_items.inventory_items ii1, mnf_operation.operation o,accounts_dep.smena, mnf_operation.operation_type ot, mnf_app.app_spec as2, cmn_inventory_items.inventory_items ii where smena.i_id=ii1.id and smena.o_id=o.id and ii.id = as2.id_ral and as2.id_ii = ii1.id and as2.id=smena.id_doc_item and o.id_type=ot.id and smena.smena=2 and smena.data=:data and ok!=:OK and smena.w_id= person.id order by  ii1.marka, fio,ot.s_caption, o.id)sql";

constexpr const char* kSmena3 = R"sql(select smena.id, smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id, smena.cena,person.s_caption fio, ii1.marka, ot.s_caption vid_oper, (SELECT (CASE id_state WHEN 0 THEN 'Готовая продукция' ELSE 'Заготовки' END)) as nmn, o.id, smena.kol_vo, smena.brak, round((kol_vo::numeric-brak::numeric)*smena.cena::numeric, 2) as summa, smena.prize,time, smena.ok, date(vvod) as vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, smena.id_cons_use, ii.marka as s_caption_color from cmn_contractor.person person,cmn_inventory_items.inventory_items ii1, mnf_operation.operation o,accounts_dep.smena, mnf_operation.operation_type ot, mnf_app.app_spec as2, cmn_inventory_items.inventory_items ii where smena.i_id=ii1.id and smena.o_id=o.id and ii.id = as2.id_ral and as2.id_ii = ii1.id and as2.id=smena.id_doc_item and o.id_type=ot.id and smena.smena=3 and smena.data=:data and ok!=:OK and smena.w_id= person.id order by  ii1.marka, fio,ot.s_caption, o.id)sql";

constexpr const char* kSmena4 = R"sql(select smena.id, smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id, smena.cena,person.s_caption fio, ii1.marka, ot.s_caption vid_oper, (SELECT (CASE id_state WHEN 0 THEN 'Готовая продукция' ELSE 'Заготовки' END)) as nmn, o.id, smena.kol_vo, smena.brak, round((kol_vo::numeric-brak::numeric)*smena.cena::numeric, 2) as summa, smena.prize,time, smena.ok, date(vvod) as vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, smena.id_cons_use, ii.marka as s_caption_color from cmn_contractor.person person,cmn_inventory_items.inventory_items ii1, mnf_operation.operation o,accounts_dep.smena, mnf_operation.operation_type ot, mnf_app.app_spec as2, cmn_inventory_items.inventory_items ii where smena.i_id=ii1.id and smena.o_id=o.id and ii.id = as2.id_ral and as2.id_ii = ii1.id and as2.id=smena.id_doc_item and o.id_type=ot.id and smena.smena=4 and smena.data=:data and ok!=:OK and smena.w_id= person.id order by  ii1.marka, fio,ot.s_caption, o.id)sql";

} // namespace

TDataModule6::TDataModule6()
    : cmd_all(ADO_DB), Control(ADO_DB), DelSmena(ADO_DB), H_Tabel_ins(ADO_DB),
      workers(ADO_DB), department(ADO_DB), staffpos(ADO_DB), role(ADO_DB), nomenclature(ADO_DB),
      jur_person(ADO_DB), operation_type(ADO_DB), msm(ADO_DB), user(ADO_DB), ver(ADO_DB),
      inventory_items(ADO_DB), proc_tech(ADO_DB), operation(ADO_DB), app_doc(ADO_DB), app_spec(ADO_DB),
      stock(ADO_DB), stock_in(ADO_DB), spec_out(ADO_DB),
      Smena1(ADO_DB), Smena2(ADO_DB), Smena3(ADO_DB), Smena4(ADO_DB)
{
    workers.setSql(kWorkers);
    department.setSql(kDepartment);
    staffpos.setSql(kStaffpos);
    role.setSql(kRole);
    nomenclature.setSql(kNomenclature);
    jur_person.setSql(kJur_person);
    operation_type.setSql(kOperation_type);
    msm.setTable("cmn_msm.msm");
    user.setSql(kUserQuery);
    ver.setTable("ver");
    inventory_items.setSql(kInventory_items);
    proc_tech.setSql(kProc_tech);
    operation.setSql(kOperation);
    app_doc.setSql(kApp_doc);
    app_spec.setSql(kApp_spec);
    stock.setSql(kStock);
    stock_in.setSql(kStock_in);
    spec_out.setSql(kSpec_out);
    Smena1.setSql(kSmena1);
    Smena2.setSql(kSmena2);
    Smena3.setSql(kSmena3);
    Smena4.setSql(kSmena4);
}

TDataModule6::~TDataModule6() = default;

void TDataModule6::openDesignTimeConnection()
{
    ADO_DB.open(platform::db::ConnectionSettings::parse(kDesignTimeConnectionString));
}

QString TDataModule6::inventoryItemsSql()
{
    return kInventory_items;
}

QString TDataModule6::ToDbDecimal(const QString& text) const
{
    return ::ToDbDecimal(text, DbDelim);
}

QString ToDbDecimal(const QString& text, const QString& delim)
{
    if (text.isEmpty())
        return QStringLiteral("0");
    qsizetype at = text.indexOf(QLatin1Char(','));
    if (at < 0)
        at = text.indexOf(QLatin1Char('.'));
    if (at < 0)
        return text;
    QString result = text;
    result.replace(at, 1, delim.isEmpty() ? QStringLiteral(".") : delim);
    return result;
}
