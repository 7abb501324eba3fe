-- truncate_tables(schema) empties every table of that schema and nothing else.

insert into cmn_contractor.person (id, s_caption) values (1, 'Иванов Иван Иванович');
insert into cmn_inventory_items.inventory_items (id, marka, id_type, id_msm) values (1, 'Лист 2 мм', 0, 4);
insert into mnf_app.app_doc (id, id_jur_person, id_person) values (1, 1, 1);
insert into mnf_app.app_spec (id_app_doc, id_ii, cnt) values (1, 1, 10);
insert into stk_purchase.purchase_doc (id, id_person) values (1, 1);
insert into stk_purchase.purchase_spec (id_purchase_doc, id_gds, cnt) values (1, 1, 5), (1, 1, 6);

set role sys;

do $$
begin
  perform truncate_tables('stk_purchase');
  assert not exists (select 1 from stk_purchase.purchase_doc), 'requests emptied';
  assert not exists (select 1 from stk_purchase.purchase_spec), 'request lines emptied';
  assert (select count(*) from mnf_app.app_spec) = 1, 'another schema untouched';
  assert (select count(*) from cmn_inventory_items.inventory_items) = 1, 'reference data untouched';

  -- tables joined by a foreign key inside the schema are emptied together
  perform truncate_tables('mnf_app');
  assert not exists (select 1 from mnf_app.app_doc) and not exists (select 1 from mnf_app.app_spec),
         'orders and lines emptied';

  perform truncate_tables('no_such_schema');
end
$$;
